#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

/// One record of a feed reply: its fields as raw bytes of the reply.
using FeedRecord = std::vector<std::string_view>;

/// Records read from one reply at most; the rest is not read. The whole
/// catalogue is some 16,000 items, and a reply of a quarter of a gigabyte of
/// empty fields would otherwise become gigabytes of records.
inline constexpr std::size_t kMaxFeedRecords = 250000;

/// Splits a feed reply into records of `fieldsPerRecord` fields. Every field
/// ends at a line feed; carriage returns belong to the field. The text ends
/// at the end of `body` or at its first NUL. The last field of a record may
/// end at the end of the text; a record the text ends in before its last
/// field has begun is cut and dropped, and nothing after it is read; nor
/// is anything after the first kMaxFeedRecords records.
/// Never throws beyond allocation; does no I/O. The views point into `body`.
std::vector<FeedRecord> SplitFeedRecords(std::string_view body, std::size_t fieldsPerRecord);
