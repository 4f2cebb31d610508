#pragma once

#include <wx/string.h>

#include <string>
#include <string_view>

// The only conversions between the core's UTF-8 std::string and wxString.
// Never wxString(s.c_str()): a plain char* with non-ASCII bytes silently
// becomes an empty wxString.

inline wxString ToWx(std::string_view utf8)
{
    return wxString::FromUTF8(utf8.data(), utf8.size());
}

inline std::string ToUtf8(const wxString& text)
{
    return text.utf8_string();
}
