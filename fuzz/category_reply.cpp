// Any bytes as the category reply. The first byte picks where a second
// parse cuts the reply; the records before the cut must be the full
// reply's, and every name and code must keep its bytes.
#include "feed_reply_check.h"
#include "update/FoodFeedReplies.h"

#include <cstdint>

static bool operator==(const SCategoryRecord& a, const SCategoryRecord& b)
{
    return a.CatCode == b.CatCode && a.Category == b.Category && a.ID == 0 && b.ID == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t cut = body.size() * data[0] / 255;
    CheckCutReply<SCategoryRecord>(body, cut, ParseCategoryReply);
    CheckTextRoundTrip(body, kCategoryReplyFields, {0, 1});
    return 0;
}
