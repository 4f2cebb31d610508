#pragma once

#include <string>
#include <string_view>
#include <vector>

/// One CSV field as RFC 4180 writes it: quoted when it holds a comma, a
/// quote or a line break, inner quotes doubled.
std::string CsvField(std::string_view text);
/// A text field for a spreadsheet: as CsvField, and a text that starts with
/// "=", "+", "-" or "@" gets a leading "'" so it is never run as a formula.
std::string CsvTextField(std::string_view text);
/// Fields joined with commas, ended by CRLF.
std::string CsvRow(const std::vector<std::string>& fields);

/// One parsed record and the line its first field starts on (1-based).
struct SCsvRecord
{
    int line = 0;
    std::vector<std::string> fields;
};

/// Reads RFC 4180 text (CRLF or LF line ends, quoted fields across lines,
/// a UTF-8 byte order mark skipped, blank lines passed over). On a quote
/// that is never closed or text after a closing quote, `error` names the
/// line and the result holds the records before it.
std::vector<SCsvRecord> ParseCsv(std::string_view text, std::string& error);
