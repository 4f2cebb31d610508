#pragma once

#include <string>

class CDatabase;

/// Copies the open database into the new file `target` with SQLite's
/// online backup: a consistent copy even while the database is in use.
/// The copy is a single file (no journal beside it). Throws CDbException.
void CopyDatabaseTo(CDatabase& db, const std::string& target);
