#pragma once

#include <string_view>

/// A typed number read as C's atoi reads it: leading blanks, an optional
/// sign, then the leading digits; 0 when there are none. "182.6" is 182.
/// Values beyond the 32-bit range are clamped.
int LeadingInt(std::string_view text);
