// Checks shared by the banner reply targets.
#pragma once

#include "banners/BannerReplies.h"

#include <cstdlib>
#include <string_view>

/// A line holds only bytes 32 to 127 (as UTF-8 they stay single bytes).
inline void CheckLineText(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 127)
            std::abort();
}
