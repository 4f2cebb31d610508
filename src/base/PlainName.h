#pragma once

#include <cstddef>
#include <string_view>

/// Longest name from a server that becomes a folder or file name, bytes.
inline constexpr size_t kMaxPlainNameBytes = 100;

/// True when `name` may become a folder or file name under the data folder:
/// not empty, ".", or "..", no "/" or "\\", no NUL or other control byte,
/// at most kMaxPlainNameBytes bytes. Anything else could reach outside it.
bool IsPlainName(std::string_view name);
