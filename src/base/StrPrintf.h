#pragma once

#include <string>

/// printf into a std::string; the system's texts are specified as C formats
/// ("%5.2f", "%d") and must come out exactly as C's printf writes them.
[[gnu::format(printf, 1, 2)]] std::string StrPrintf(const char* format, ...);
