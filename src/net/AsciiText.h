#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Byte-wise text rules of the HTTP client. The protocol's names are ASCII,
// so case folding touches A-Z only and never depends on the locale.

char AsciiLower(char c);
std::string AsciiLowered(std::string_view text);
std::string AsciiUppered(std::string_view text);
bool AsciiEqualsNoCase(std::string_view a, std::string_view b);
bool AsciiStartsWithNoCase(std::string_view text, std::string_view prefix);

/// White space as C's isspace sees it in the "C" locale.
bool IsAsciiSpace(char c);
std::string_view Trimmed(std::string_view text);

/// C's atoi without its undefined overflow: leading white space, an
/// optional sign, then digits up to the first other character. No digits,
/// or a value outside int, gives 0.
int LenientInt(std::string_view text);

/// A whole unsigned decimal number, digits only; nullopt for anything
/// else or a value that does not fit.
std::optional<std::uint64_t> StrictDecimal(std::string_view text);

/// True when the text holds CR, LF or NUL: such text would split or cut a
/// request line, so it never goes into a request.
bool HasLineBreak(std::string_view text);
