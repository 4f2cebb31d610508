// HttpUrl::Parse on any text; the pieces must fit back together.
#include "net/HttpUrl.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    HttpUrl url;
    const int result = url.Parse(text);
    if (url.FullText() != text || (result != 0 && result != -1))
        std::abort();
    if (result != 0)
        return 0;
    const std::string& resource = url.Resource();
    const bool hasQuery = resource.find('?') != std::string::npos;
    if (resource != url.Path() + (hasQuery ? "?" + url.Query() : std::string()))
        std::abort();
    if (text.find(url.Scheme() + "://") != 0)
        std::abort();
    const std::string encoded = url.EncodedResource();
    if (encoded.find(' ') != std::string::npos || encoded.size() < resource.size())
        std::abort();
    return 0;
}
