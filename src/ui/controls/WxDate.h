#pragma once

#include "base/DateTime.h"

#include <wx/datetime.h>

// The only conversions between the core's CDateTime and wxDateTime, by
// calendar day: the date pickers know nothing of the time of day.

/// The calendar day of `date` (its time of day dropped).
inline wxDateTime ToWxDate(CDateTime date)
{
    const SCivilTime t = date.Civil();
    return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(t.day), static_cast<wxDateTime::Month>(t.month - 1),
                      t.year);
}

/// The calendar day of `date` at 00:00.
inline CDateTime FromWxDate(const wxDateTime& date)
{
    return CDateTime::FromDate(date.GetYear(), static_cast<int>(date.GetMonth()) + 1, date.GetDay());
}
