#pragma once

#include "net/StringTokenizer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

/// Walks bytes line by line. Each call returns the bytes up to the next
/// delimiter and moves past it; when no delimiter is left it returns the
/// rest and the position becomes -1; after that it returns empty tokens.
/// A StringTokenizer whose delimiter never changes: views into the walked
/// bytes, which must outlive the tokenizer.
class LineTokenizer
{
public:
    explicit LineTokenizer(std::string_view bytes, std::string_view delimiter = "\r\n") : m_tokens(bytes, delimiter) {}
    template <typename Bytes>
        requires std::is_same_v<Bytes, std::string>
    LineTokenizer(Bytes&& bytes, std::string_view delimiter = "\r\n") = delete;

    std::string_view NextToken() { return m_tokens.NextToken(); }
    /// Index of the next unread byte, or -1 once the bytes are used up.
    std::ptrdiff_t Position() const { return m_tokens.Position(); }

private:
    StringTokenizer m_tokens;
};
