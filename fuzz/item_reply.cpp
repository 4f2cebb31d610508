// Any bytes as the item reply, checked as feed_reply_check.h says; every
// text field must keep its bytes and every number must be finite.
#include "feed_reply_check.h"
#include "update/FoodFeedReplies.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    for (const SFoodItemRecord& item :
         CheckFeedReply<SFoodItemRecord>(data, size, ParseFoodItemReply, kFoodItemReplyFields, {0, 1, 4, 6}))
        if (!std::isfinite(item.ServingSizeAmt) || !std::isfinite(item.Carbs) || !std::isfinite(item.Points))
            std::abort();
    return 0;
}
