#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

/// A request path of the feed with its "%s" and "%d" filled in order by
/// `args`; each argument is percent-encoded, so a server's ID can never add
/// a query parameter or leave the path.
std::string FeedRequestPath(std::string_view format, std::initializer_list<std::string_view> args);
