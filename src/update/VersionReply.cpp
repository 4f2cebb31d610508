// The version reply's parser alone: it does no I/O, so the fuzz target builds it by itself.
#include "update/ProgramUpdates.h"

std::optional<SVersionReply> ParseVersionReply(std::string_view body)
{
    const size_t good = body.find("GOOD");
    if (good == std::string_view::npos)
        return std::nullopt;
    const size_t open = body.find('<', good + 4);
    if (open == std::string_view::npos)
        return std::nullopt;
    const size_t close = body.find('>', open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    const size_t fileOpen = body.find('[', close + 1);
    if (fileOpen == std::string_view::npos)
        return std::nullopt;
    const size_t fileClose = body.find(']', fileOpen + 1);
    if (fileClose == std::string_view::npos)
        return std::nullopt;
    return SVersionReply{std::string(body.substr(open + 1, close - open - 1)),
                         std::string(body.substr(fileOpen + 1, fileClose - fileOpen - 1))};
}
