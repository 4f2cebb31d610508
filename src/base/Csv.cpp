#include "base/Csv.h"

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

std::string CsvTextField(std::string_view text)
{
    if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos)
        return CsvField("'" + std::string(text));
    return CsvField(text);
}

std::string CsvRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            row += ',';
        row += fields[i];
    }
    return row + "\r\n";
}

namespace {

/// Reads one record from `text` at `pos`; false with `error` set on bad quoting.
bool ReadRecord(std::string_view text, size_t& pos, int& line, SCsvRecord& record, std::string& error)
{
    record.line = line;
    std::string field;
    for (;;) {
        if (pos < text.size() && text[pos] == '"') {
            const int opened = line;
            for (++pos;; ++pos) {
                if (pos >= text.size()) {
                    error = "line " + std::to_string(opened) + ": a quoted field is never closed";
                    return false;
                }
                if (text[pos] == '"' && pos + 1 < text.size() && text[pos + 1] == '"') {
                    field += '"';
                    ++pos;
                } else if (text[pos] == '"') {
                    ++pos;
                    if (pos < text.size() && std::string_view(",\r\n").find(text[pos]) == std::string_view::npos) {
                        error = "line " + std::to_string(line) + ": text after a closing quote";
                        return false;
                    }
                    break;
                } else {
                    line += text[pos] == '\n';
                    field += text[pos];
                }
            }
        }
        while (pos < text.size() && text[pos] != ',' && text[pos] != '\n' && text[pos] != '\r') {
            if (text[pos] == '"') {
                error = "line " + std::to_string(line) + ": a quote inside an unquoted field";
                return false;
            }
            field += text[pos++];
        }
        record.fields.push_back(std::move(field));
        field.clear();
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            continue;
        }
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        ++line;
        return true;
    }
}

} // namespace

std::vector<SCsvRecord> ParseCsv(std::string_view text, std::string& error)
{
    error.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<SCsvRecord> records;
    size_t pos = 0;
    int line = 1;
    while (pos < text.size()) {
        if (text[pos] == '\n' || text[pos] == '\r') {
            line += text[pos] == '\n';
            ++pos;
            continue;
        }
        SCsvRecord record;
        if (!ReadRecord(text, pos, line, record, error))
            break;
        records.push_back(std::move(record));
    }
    return records;
}
