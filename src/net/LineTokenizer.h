#pragma once

#include <cstddef>
#include <string_view>

/// Walks bytes line by line. Each call returns the bytes up to the next
/// delimiter and moves past it; when no delimiter is left it returns the
/// rest and the position becomes -1; after that it returns empty tokens.
/// Views into the walked bytes, which must outlive the tokenizer.
class LineTokenizer
{
public:
    explicit LineTokenizer(std::string_view bytes, std::string_view delimiter = "\r\n");

    std::string_view NextToken();
    /// Index of the next unread byte, or -1 once the bytes are used up.
    std::ptrdiff_t Position() const { return m_position; }

private:
    std::string_view m_bytes;
    std::string_view m_delimiter;
    std::ptrdiff_t m_position = 0;
};
