#include "base/PlainName.h"

#include <algorithm>

bool IsPlainName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxPlainNameBytes || name == "." || name == "..")
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7f;
    });
}
