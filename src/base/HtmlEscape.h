#pragma once

#include <string>
#include <string_view>

/// &, <, >, " and ' as character references, so text from a server or a
/// user can never add markup to a page or a list's markup.
std::string HtmlEscape(std::string_view text);
