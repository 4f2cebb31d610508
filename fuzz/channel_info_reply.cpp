// Any bytes as the channel info reply: name, description and banner IDs
// are line text, no banner ID is empty, and the count stays capped.
#include "banner_reply_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const auto info = ParseChannelInfoReply(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!info)
        return 0;
    CheckLineText(info->name);
    CheckLineText(info->description);
    if (info->bannerIds.size() > kMaxBannersPerChannel)
        std::abort();
    for (const std::string& id : info->bannerIds) {
        if (id.empty())
            std::abort();
        CheckLineText(id);
    }
    return 0;
}
