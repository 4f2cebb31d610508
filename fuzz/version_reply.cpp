// Any bytes as a version reply. A parsed reply's version and file hold no
// closing marker, and the reply written back from them parses the same.
#include "update/ProgramUpdates.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const auto reply = ParseVersionReply(body);
    if (!reply)
        return 0;
    if (reply->version.find('>') != std::string::npos || reply->file.find(']') != std::string::npos)
        std::abort();
    const auto again = ParseVersionReply("GOOD<" + reply->version + ">[" + reply->file + "]");
    if (!again || again->version != reply->version || again->file != reply->file)
        std::abort();
    return 0;
}
