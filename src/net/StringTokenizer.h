#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// Splits a text on a delimiter text. The delimiter may change from one
/// token to the next, which is how URLs are taken apart.
class StringTokenizer
{
public:
    StringTokenizer(std::string text, std::string delimiter);

    /// Tokens left: 0 once exhausted, else 1 plus every occurrence of the
    /// delimiter from the position on, overlapping occurrences included.
    int CountTokens() const;
    /// Up to the next delimiter (or the end of the text, which exhausts the
    /// tokenizer); empty once exhausted.
    std::string NextToken();
    /// Makes `delimiter` the delimiter from now on, then takes the next token.
    std::string NextToken(std::string_view delimiter);
    /// Everything from the position to the end of the text; exhausts the tokenizer.
    std::string RestOfText();
    /// Index of the next unread character, or -1 once exhausted.
    std::ptrdiff_t Position() const { return m_position; }

private:
    std::string m_text;
    std::string m_delimiter;
    std::ptrdiff_t m_position = 0;
};
