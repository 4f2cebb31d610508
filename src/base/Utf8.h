#pragma once

#include <cstddef>
#include <string_view>

/// Characters (code points, not bytes) of a UTF-8 text; text sizes are
/// limited in characters.
inline std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}
