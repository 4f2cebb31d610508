// Any bytes as the banner info reply: when it parses, every field is line
// text, the file count stays capped, and the popup is a tail of the reply.
#include "banner_reply_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const auto info = ParseBannerInfoReply(reply);
    if (!info)
        return 0;
    if (info->files.size() > static_cast<size_t>(kMaxFilesPerBanner))
        std::abort();
    for (const std::string_view text : {std::string_view(info->name), std::string_view(info->channelId),
                                        std::string_view(info->banner), std::string_view(info->destUrl),
                                        std::string_view(info->expiry)})
        CheckLineText(text);
    for (const SBannerFile& file : info->files) {
        CheckLineText(file.name);
        CheckLineText(file.url);
    }
    if (reply.substr(reply.size() - info->popup.size()) != info->popup)
        std::abort();
    return 0;
}
