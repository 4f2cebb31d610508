// One Set-Cookie line from a host. The first byte gives the host's length;
// the host, a path, and the line follow. Whatever is stored, the Cookie
// line built from it must be a single line.
#include "net/CookieJar.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t hostLength = std::min<size_t>(data[0] % 32, input.size());
    const std::string host(input.substr(0, hostLength));
    const std::string_view line = input.substr(hostLength);
    HttpUrl url;
    if (host.find("://") != std::string::npos || url.Parse("http://" + host + "/shop/cart") != 0)
        return 0;
    CookieJar jar;
    const bool stored = jar.AddFromHeader(line, url);
    jar.AddFromHeader(line, url);   // the same line twice keeps one cookie
    if (jar.Cookies().size() != (stored ? 1u : 0u))
        std::abort();
    const std::string header = jar.BuildCookieHeader(url);
    if (!header.empty()) {
        if (header.rfind("Cookie: ", 0) != 0 || header.size() < 10 || header.substr(header.size() - 2) != "\r\n")
            std::abort();
        if (header.substr(0, header.size() - 2).find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            std::abort();
    }
    return 0;
}
