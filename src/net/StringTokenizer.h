#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

/// Splits a text on a delimiter text. The delimiter may change from one
/// token to the next, which is how URLs are taken apart. Tokens are views
/// into the text, which must outlive the tokenizer; the delimiter is copied.
class StringTokenizer
{
public:
    StringTokenizer(std::string_view text, std::string_view delimiter);
    /// A temporary string would be gone before its tokens are read.
    template <typename Text>
        requires std::is_same_v<Text, std::string>
    StringTokenizer(Text&& text, std::string_view delimiter) = delete;

    /// Tokens left: 0 once exhausted, else 1 plus every occurrence of the
    /// delimiter from the position on, overlapping occurrences included.
    int CountTokens() const;
    /// Up to the next delimiter (or the end of the text, which exhausts the
    /// tokenizer); empty once exhausted.
    std::string_view NextToken();
    /// Makes `delimiter` the delimiter from now on, then takes the next token.
    std::string_view NextToken(std::string_view delimiter);
    /// Everything from the position to the end of the text; exhausts the tokenizer.
    std::string_view RestOfText();
    /// Index of the next unread character, or -1 once exhausted.
    std::ptrdiff_t Position() const { return m_position; }

private:
    std::string_view m_text;
    std::string m_delimiter;
    std::ptrdiff_t m_position = 0;
};
