#include "net/HttpHeader.h"

#include "net/AsciiText.h"

#include <algorithm>

void HttpHeaderList::Append(std::string name, std::string value)
{
    m_headers.push_back({std::move(name), std::move(value)});
}

const HttpHeader* HttpHeaderList::Find(std::string_view name) const
{
    const auto found = std::find_if(m_headers.begin(), m_headers.end(),
                                    [&](const HttpHeader& header) { return AsciiEqualsNoCase(header.name, name); });
    return found == m_headers.end() ? nullptr : &*found;
}

void HttpHeaderList::RemoveFirst(std::string_view name)
{
    const auto found = std::find_if(m_headers.begin(), m_headers.end(),
                                    [&](const HttpHeader& header) { return AsciiEqualsNoCase(header.name, name); });
    if (found != m_headers.end())
        m_headers.erase(found);
}
