#include "update/Cp1252.h"

#include <array>
#include <cstdint>

namespace {

/// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

/// The next character of UTF-8 text at `i` (advanced past it); nullopt when malformed.
std::optional<char32_t> NextCodePoint(std::string_view text, size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (more < 0 || i + static_cast<size_t>(more) > text.size())
        return std::nullopt;
    char32_t c = lead & (0x3F >> more);
    for (int k = 0; k < more; ++k) {
        const auto next = static_cast<unsigned char>(text[i++]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    return c;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char byte : text)
        AppendUtf8(out, CodePoint(static_cast<unsigned char>(byte)));
    return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = NextCodePoint(text, i);
        if (!c)
            return std::nullopt;
        if (*c < 0x80 || (*c >= 0xA0 && *c < 0x100)) {
            out += static_cast<char>(*c);
            continue;
        }
        size_t k = 0;
        while (k < kHighControls.size() && kHighControls[k] != *c)
            ++k;
        if (k == kHighControls.size())
            return std::nullopt;
        out += static_cast<char>(0x80 + k);
    }
    return out;
}
