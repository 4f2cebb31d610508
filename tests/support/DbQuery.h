#pragma once

#include "store/Database.h"

#include <string>

/// The first column of the first row of `sql` as text, "<no row>" when there is none.
inline std::string QueryText(CDatabase& db, const std::string& sql)
{
    CStatement statement = db.Prepare(sql);
    return statement.Step() ? statement.ColumnText(0) : "<no row>";
}
