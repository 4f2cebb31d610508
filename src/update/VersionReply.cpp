// The version reply's parser alone: it does no I/O, so the fuzz target builds it by itself.
#include "update/ProgramUpdates.h"

std::optional<SVersionReply> ParseVersionReply(std::string_view body)
{
    // Each marker is searched from the end of the one before it.
    constexpr std::string_view kMarkers[] = {"GOOD", "<", ">", "[", "]"};
    size_t at[std::size(kMarkers)];
    size_t from = 0;
    for (size_t i = 0; i < std::size(kMarkers); ++i) {
        at[i] = body.find(kMarkers[i], from);
        if (at[i] == std::string_view::npos)
            return std::nullopt;
        from = at[i] + kMarkers[i].size();
    }
    return SVersionReply{std::string(body.substr(at[1] + 1, at[2] - at[1] - 1)),
                         std::string(body.substr(at[3] + 1, at[4] - at[3] - 1))};
}
