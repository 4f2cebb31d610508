// Checks shared by the two feed reply targets: what a cut anywhere in a
// reply may do, and that no text byte is lost on the way to UTF-8.
#pragma once

#include "update/Cp1252.h"
#include "update/FeedRecords.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

/// Any bytes as a feed reply, after a first byte that picks where a second
/// parse cuts it. The records of the cut reply are the full reply's, except
/// that the last of them may be shorter (its last field may end at the cut);
/// every text field converts back to the reply's own bytes. Returns the full
/// reply's records.
template <typename Record, typename Parse>
std::vector<Record> CheckFeedReply(const std::uint8_t* data, size_t size, Parse parse, size_t fields,
                                   const std::vector<size_t>& textFields)
{
    if (size == 0)
        return {};
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<Record> full = parse(body);
    const std::vector<Record> prefix = parse(body.substr(0, body.size() * data[0] / 255));
    if (prefix.size() > full.size())
        std::abort();
    for (size_t i = 0; i + 1 < prefix.size(); ++i)
        if (!(prefix[i] == full[i]))
            std::abort();
    for (const FeedRecord& record : SplitFeedRecords(body, fields)) {
        if (record.size() != fields)
            std::abort();
        for (const size_t i : textFields)
            if (Utf8ToCp1252(Cp1252ToUtf8(record[i])) != std::string(record[i]))
                std::abort();
    }
    return full;
}
