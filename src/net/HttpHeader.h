#pragma once

#include <string>
#include <string_view>
#include <vector>

struct HttpHeader
{
    std::string name;
    std::string value;
};

/// Headers in insertion order; name look-ups ignore case and find the first match.
class HttpHeaderList
{
public:
    void Append(std::string name, std::string value);
    /// The first header of that name, or null.
    const HttpHeader* Find(std::string_view name) const;
    /// Removes the first header of that name; nothing if absent.
    void RemoveFirst(std::string_view name);
    void Clear() { m_headers.clear(); }

    size_t Size() const { return m_headers.size(); }
    const HttpHeader& At(size_t index) const { return m_headers.at(index); }
    auto begin() const { return m_headers.begin(); }
    auto end() const { return m_headers.end(); }

private:
    std::vector<HttpHeader> m_headers;
};
