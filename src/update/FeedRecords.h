#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

/// One record of a feed reply: its fields as raw bytes of the reply.
using FeedRecord = std::vector<std::string_view>;

/// Splits a feed reply into records of `fieldsPerRecord` fields. Every field
/// ends at a line feed; carriage returns belong to the field. The text ends
/// at the end of `body` or at its first NUL. The last field of a record may
/// end at the end of the text; a record the text ends in before its last
/// field has begun is cut and dropped, and nothing after it is read.
/// Never throws beyond allocation; does no I/O. The views point into `body`.
std::vector<FeedRecord> SplitFeedRecords(std::string_view body, std::size_t fieldsPerRecord);
