#include "net/LineTokenizer.h"

LineTokenizer::LineTokenizer(std::string_view bytes, std::string_view delimiter)
    : m_bytes(bytes), m_delimiter(delimiter)
{
}

std::string_view LineTokenizer::NextToken()
{
    if (m_position < 0)
        return {};
    const auto start = static_cast<size_t>(m_position);
    const size_t at = m_delimiter.empty() ? std::string_view::npos : m_bytes.find(m_delimiter, start);
    if (at == std::string_view::npos) {
        m_position = -1;
        return m_bytes.substr(start);
    }
    m_position = static_cast<std::ptrdiff_t>(at + m_delimiter.size());
    return m_bytes.substr(start, at - start);
}
