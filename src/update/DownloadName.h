#pragma once

#include <string_view>

/// True for a name the server may choose for a file in the data folder: at
/// most 100 bytes, no "/" or "\\", not "." or "..", no NUL or other
/// control byte. Anything else could reach outside the folder.
bool IsPlainDownloadName(std::string_view name);
