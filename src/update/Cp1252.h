#pragma once

#include <optional>
#include <string>
#include <string_view>

/// Code page 1252 text as UTF-8. The five bytes the code page leaves
/// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the code points of the
/// same value, as Windows converts them, so no byte is lost.
std::string Cp1252ToUtf8(std::string_view text);

/// UTF-8 text as code page 1252; nullopt when a character has no byte
/// there or the text is not UTF-8.
std::optional<std::string> Utf8ToCp1252(std::string_view text);
