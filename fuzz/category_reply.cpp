// Any bytes as the category reply, checked as feed_reply_check.h says;
// every name and code must keep its bytes.
#include "feed_reply_check.h"
#include "update/FoodFeedReplies.h"

static bool operator==(const SCategoryRecord& a, const SCategoryRecord& b)
{
    return a.CatCode == b.CatCode && a.Category == b.Category && a.ID == 0 && b.ID == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    CheckFeedReply<SCategoryRecord>(data, size, ParseCategoryReply, kCategoryReplyFields, {0, 1});
    return 0;
}
