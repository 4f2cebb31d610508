#pragma once

#include <cstddef>
#include <string_view>

/// True for the first byte of a UTF-8 character, false for a continuation byte.
inline bool IsLeadByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

/// Characters (code points, not bytes) of a UTF-8 text; text sizes are
/// limited in characters.
inline std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        count += IsLeadByte(c);
    return count;
}

/// The first `maxChars` characters of a UTF-8 text (all of it when it is
/// shorter): cut before a lead byte, so no character is split.
inline std::string_view Utf8Prefix(std::string_view text, std::size_t maxChars)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(text[i]) && characters++ == maxChars)
            return text.substr(0, i);
    }
    return text;
}
