// Any bytes as the item reply. The first byte picks where a second parse
// cuts the reply; the records before the cut must be the full reply's,
// every number finite, and every text field must keep its bytes.
#include "feed_reply_check.h"
#include "update/FoodFeedReplies.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t cut = body.size() * data[0] / 255;
    CheckCutReply<SFoodItemRecord>(body, cut, ParseFoodItemReply);
    CheckTextRoundTrip(body, kFoodItemReplyFields, {0, 1, 4, 6});
    for (const SFoodItemRecord& item : ParseFoodItemReply(body))
        if (!std::isfinite(item.ServingSizeAmt) || !std::isfinite(item.Carbs) || !std::isfinite(item.Points))
            std::abort();
    return 0;
}
