#include "net/MetaRefresh.h"

std::optional<std::string> FindMetaRefresh(std::string_view page)
{
    static constexpr std::string_view kPrefix = "<META HTTP-EQUIV=\"REFRESH\" CONTENT=\"0; URL=";
    const size_t meta = page.find(kPrefix);
    if (meta == std::string_view::npos)
        return std::nullopt;
    const size_t noscript = page.find("<noscript>");
    if (noscript != std::string_view::npos && noscript < meta)
        return std::nullopt;
    const std::string_view rest = page.substr(meta + kPrefix.size());
    return std::string(rest.substr(0, rest.find('"')));
}
