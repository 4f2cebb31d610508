// Any bytes as the channel list reply. The first byte picks where a second
// parse cuts it: the IDs before the cut are the full reply's, except that
// the last may be shorter.
#include "banner_reply_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view reply(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto full = ParseChannelListReply(reply);
    const auto cut = ParseChannelListReply(reply.substr(0, reply.size() * data[0] / 255));
    if (!full || !cut)
        return 0;
    if (full->size() > kMaxChannelsPerList || cut->size() > full->size())
        std::abort();
    for (size_t i = 0; i < cut->size(); ++i) {
        if ((*cut)[i].empty() || (i + 1 < cut->size() && (*cut)[i] != (*full)[i]))
            std::abort();
        CheckLineText((*cut)[i]);
    }
    return 0;
}
