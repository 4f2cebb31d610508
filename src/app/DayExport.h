#pragma once

#include <string>

class CLeanlogApp;

/// The current diet's days (with `allDiets`, every earlier diet's first) as
/// CSV: a header row, then one row per day with the diet's table, the ISO
/// date, the day label, weight, steps, carbs, the protein-day and
/// supplement flags and every slot's item, size and carbs. UTF-8, CRLF.
std::string ExportDaysCsv(CLeanlogApp& app, bool allDiets);

/// Writes `text` to `path` through a temporary beside it and a rename, so
/// a failed write never leaves half a file there. Throws std::runtime_error.
void WriteFileAtomically(const std::string& path, const std::string& text);
