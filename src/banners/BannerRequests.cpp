#include "banners/BannerRequests.h"

namespace {

bool IsUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

std::string PercentEncode(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        if (IsUnreserved(c)) {
            out += c;
        } else {
            const auto value = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[value >> 4];
            out += kHex[value & 15];
        }
    }
    return out;
}

} // namespace

std::string FeedRequestPath(std::string_view format, std::initializer_list<std::string_view> args)
{
    auto arg = args.begin();
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] == '%' && (next == 's' || next == 'd') && arg != args.end()) {
            out += PercentEncode(*arg++);
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}
