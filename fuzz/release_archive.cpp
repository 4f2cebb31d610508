// Any bytes as a release archive. An archive that parses is exactly the
// one its programs write back: no byte of it is skipped or read twice.
#include "update/ReleaseArchive.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string why;
    const auto archive = ParseReleaseArchive(bytes, why);
    if (!archive) {
        if (why.empty())
            std::abort();
        return 0;
    }
    std::string written(kReleaseArchiveMagic);
    for (const auto& program : archive->programs)
        written += "FILE " + program.name + " " + std::to_string(program.bytes.size()) + "\n" + program.bytes + "\n";
    written += "END\n";
    if (written != bytes)
        std::abort();
    return 0;
}
