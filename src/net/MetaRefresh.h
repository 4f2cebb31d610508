#pragma once

#include <optional>
#include <string>
#include <string_view>

/// The target of an HTML META refresh in a page, if the page has one that
/// is not preceded by "<noscript>". Only the exact upper-case form
/// <META HTTP-EQUIV="REFRESH" CONTENT="0; URL=...">, as the maker's server writes it, counts.
std::optional<std::string> FindMetaRefresh(std::string_view page);
