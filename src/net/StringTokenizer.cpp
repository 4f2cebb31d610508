#include "net/StringTokenizer.h"

StringTokenizer::StringTokenizer(std::string_view text, std::string_view delimiter)
    : m_text(text), m_delimiter(delimiter)
{
}

int StringTokenizer::CountTokens() const
{
    if (m_position < 0)
        return 0;
    int count = 1;
    if (m_delimiter.empty())
        return count;
    size_t at = m_text.find(m_delimiter, static_cast<size_t>(m_position));
    while (at != std::string_view::npos) {
        ++count;
        at = m_text.find(m_delimiter, at + 1);
    }
    return count;
}

std::string_view StringTokenizer::NextToken()
{
    if (m_position < 0)
        return {};
    const auto start = static_cast<size_t>(m_position);
    const size_t at = m_delimiter.empty() ? std::string_view::npos : m_text.find(m_delimiter, start);
    if (at == std::string_view::npos) {
        m_position = -1;
        return m_text.substr(start);
    }
    m_position = static_cast<std::ptrdiff_t>(at + m_delimiter.size());
    return m_text.substr(start, at - start);
}

std::string_view StringTokenizer::NextToken(std::string_view delimiter)
{
    m_delimiter = delimiter;
    return NextToken();
}

std::string_view StringTokenizer::RestOfText()
{
    if (m_position < 0)
        return {};
    const std::string_view rest = m_text.substr(static_cast<size_t>(m_position));
    m_position = -1;
    return rest;
}
