// Checks shared by the two feed reply targets: what a cut anywhere in a
// reply may do, and that no text byte is lost on the way to UTF-8.
#pragma once

#include "update/Cp1252.h"
#include "update/FeedRecords.h"

#include <cstdlib>
#include <string_view>
#include <vector>

/// The records of a reply cut at `cut` are the full reply's records, except
/// that the last of them may be shorter (its last field may end at the cut).
template <typename Record, typename Parse>
void CheckCutReply(std::string_view body, size_t cut, Parse parse)
{
    const std::vector<Record> full = parse(body);
    const std::vector<Record> prefix = parse(body.substr(0, cut));
    if (prefix.size() > full.size())
        std::abort();
    for (size_t i = 0; i + 1 < prefix.size(); ++i)
        if (!(prefix[i] == full[i]))
            std::abort();
}

/// Every text field converts back to the reply's own bytes.
inline void CheckTextRoundTrip(std::string_view body, size_t fields, const std::vector<size_t>& textFields)
{
    for (const FeedRecord& record : SplitFeedRecords(body, fields)) {
        if (record.size() != fields)
            std::abort();
        for (const size_t i : textFields)
            if (Utf8ToCp1252(Cp1252ToUtf8(record[i])) != std::string(record[i]))
                std::abort();
    }
}
