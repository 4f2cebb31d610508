#pragma once

#include <string>

class CLeanlogApp;

/// The current diet's days (with `allDiets`, every earlier diet's first) as
/// CSV: a header row, then one row per day with the diet's table, the ISO
/// date, the day label, weight, steps, carbs, the protein-day and
/// supplement flags and every slot's item, size and carbs. UTF-8, CRLF.
std::string ExportDaysCsv(CLeanlogApp& app, bool allDiets);
