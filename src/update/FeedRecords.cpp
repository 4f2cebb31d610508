#include "update/FeedRecords.h"

std::vector<FeedRecord> SplitFeedRecords(std::string_view body, std::size_t fieldsPerRecord)
{
    std::vector<FeedRecord> records;
    if (fieldsPerRecord == 0)
        return records;
    const std::string_view text = body.substr(0, body.find('\0'));
    size_t pos = 0;
    while (pos < text.size() && records.size() < kMaxFeedRecords) {
        FeedRecord record;
        record.reserve(fieldsPerRecord);
        for (size_t field = 0; field < fieldsPerRecord; ++field) {
            // A field that has not begun when the text ends: the record is cut.
            if (pos >= text.size())
                return records;
            const size_t end = text.find('\n', pos);
            if (end == std::string_view::npos) {
                if (field + 1 < fieldsPerRecord)
                    return records;
                record.push_back(text.substr(pos));
                pos = text.size();
                break;
            }
            record.push_back(text.substr(pos, end - pos));
            pos = end + 1;
        }
        records.push_back(std::move(record));
    }
    return records;
}
