#pragma once

#include <optional>
#include <string>

/// An absolute URL split into what the HTTP client needs. A plain text
/// splitter: no percent-decoding, no normalisation, no validation beyond
/// the "://" test.
class HttpUrl
{
public:
    /// 0, or -1 unless the text holds "://" exactly once. On failure the
    /// full text and the port (-1) are already replaced, the rest is kept.
    int Parse(const std::string& text);

    const std::string& Scheme() const { return m_scheme; }
    const std::string& Host() const { return m_host; }
    /// Explicit port, else the scheme's default, else -1.
    int Port() const { return m_port; }
    /// Resource before the first "?", without the leading slash.
    const std::string& Path() const { return m_path; }
    /// Resource after the first "?", without the "?".
    const std::string& Query() const { return m_query; }
    /// Everything after the slash that ends the host and port, up to a "#":
    /// the fragment belongs to the reader and never leaves the client.
    const std::string& Resource() const { return m_resource; }
    const std::string& FullText() const { return m_fullText; }

    /// Why the client cannot fetch this URL (a scheme other than http or
    /// https, no host, a bracketed address, a port outside 1 to 65535);
    /// nullopt when it can.
    std::optional<std::string> UnusableReason() const;

    /// The resource with every space written as "%20"; nothing else changes.
    std::string EncodedResource() const;

    /// "http" 80, "https" 443, "ftp" 21 (any case), otherwise -1.
    static int DefaultPort(const std::string& scheme);

private:
    std::string m_scheme;
    std::string m_host;
    int m_port = -1;
    std::string m_path;
    std::string m_query;
    std::string m_resource;
    std::string m_fullText;
};

/// The exchange runs over TLS: the scheme is "https" (any port) or the port is 443.
bool UsesTls(const HttpUrl& url);

