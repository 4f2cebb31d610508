#include "net/HttpClient.h"

#include "net/AsciiText.h"
#include "net/HttpAuth.h"
#include "net/MetaRefresh.h"

#include <array>
#include <exception>

namespace {

/// Redirects and META refreshes followed in a row before giving up.
constexpr int kMaxFollows = 5;
/// Requests one Send may make in all. Each 401 answer restarts the count
/// of redirects, so without this a server alternating 401 and 302 would
/// keep the client busy for ever.
constexpr int kMaxRequests = 20;

constexpr std::array<std::string_view, 6> kRefusedHeaders = {
    "Content-Length", "Authorization", "Host", "Connection", "Content-MD5", "Proxy-Authorization"};

std::string OriginOf(const HttpUrl& url)
{
    return AsciiLowered(url.Scheme()) + "://" + AsciiLowered(url.Host()) + ":" + std::to_string(url.Port());
}

} // namespace

HttpClient::HttpClient(SHttpClientOptions options) : m_options(std::move(options))
{
}

HttpClient::~HttpClient() = default;

int HttpClient::Open(std::string_view method, const std::string& url)
{
    m_requestHeaders.Clear();
    m_responseHeaders.Clear();
    m_userName.clear();
    m_password.clear();
    m_credentialsOrigin.clear();
    HttpUrl parsed;
    if (parsed.Parse(url) != 0 || parsed.UnusableReason())
        return -1;
    m_url = std::move(parsed);
    m_method = AsciiUppered(method);
    m_urlText = url;
    return 0;
}

int HttpClient::AddRequestHeader(std::string_view name, std::string_view value)
{
    for (const std::string_view refused : kRefusedHeaders)
        if (AsciiEqualsNoCase(name, refused))
            return -1;
    if (name.empty() || name.find(':') != std::string_view::npos || HasLineBreak(name) || HasLineBreak(value))
        return -1;
    if (AsciiEqualsNoCase(name, "Content-Type"))
        m_requestHeaders.RemoveFirst("Content-Type");
    m_requestHeaders.Append(std::string(name), std::string(value));
    return 0;
}

void HttpClient::RemoveRequestHeader(std::string_view name)
{
    m_requestHeaders.RemoveFirst(name);
}

void HttpClient::SetCredentials(std::string userName, std::string password)
{
    m_userName = std::move(userName);
    m_password = std::move(password);
    m_credentialsOrigin = OriginOf(m_url);
}

void HttpClient::SetProxyCredentials(std::string userName, std::string password)
{
    m_proxyUserName = std::move(userName);
    m_proxyPassword = std::move(password);
}

const char* HttpClient::GetResponseHeader(std::string_view name) const
{
    const HttpHeader* header = m_responseHeaders.Find(name);
    return header ? header->value.c_str() : nullptr;
}

int HttpClient::Send(const char* body)
{
    m_failure.clear();
    try {
        const int result = SendLoop(body ? body : "");
        if (result != kHttpOk && m_failure.empty())
            m_failure = m_statusLine.empty() ? "no usable reply" : "the server answered " + m_statusLine;
        return result;
    } catch (const std::exception&) {
        // Only running out of memory gets here; what the response held is given back.
        ClearResponse();
        return Fail(kHttpFailed, "out of memory");
    }
}

int HttpClient::Fail(int result, std::string why)
{
    m_failure = std::move(why);
    return result;
}

int HttpClient::SendLoop(std::string_view body)
{
    int follows = 0;
    bool answered401 = false;
    bool answered407 = false;
    for (int request = 0; request < kMaxRequests; ++request) {
        const EAttempt attempt = SendRequest(body);
        if (attempt == EAttempt::kNoAnswer)
            return kHttpNoAnswer;
        if (attempt == EAttempt::kFailed)
            return kHttpFailed;
        const int status = m_statusCode;
        if (status < 200)
            return kHttpNoAnswer;
        if (status >= 500)
            return kHttpFailed;
        if (status >= 300 && status <= 399) {
            if (follows >= kMaxFollows)
                return Fail(kHttpFailed, "too many redirects");
            if (!FollowRedirect())
                return Fail(kHttpFailed, "a redirect that cannot be followed (" + m_statusLine + ")");
            ++follows;
            answered401 = false;
            continue;
        }
        if (status == 401) {
            if (answered401)
                return Fail(kHttpFailed, "authentication refused (" + m_statusLine + ")");
            AnswerChallenge();
            answered401 = true;
            follows = 0;
            continue;
        }
        if (status == 407) {
            if (answered407)
                return Fail(kHttpFailed, "proxy authentication refused (" + m_statusLine + ")");
            AnswerChallenge();
            answered407 = true;
            continue;
        }
        if (status >= 400)
            return kHttpFailed;
        const auto refresh = FindMetaRefresh(m_body.View());
        if (!refresh)
            return kHttpOk;
        if (follows >= kMaxFollows)
            return Fail(kHttpFailed, "too many redirects");
        if (!FollowRefresh(*refresh))
            return Fail(kHttpFailed, "a page refresh to a URL that cannot be fetched");
        ++follows;
        answered401 = false;
    }
    return kHttpFailed;
}

bool HttpClient::FollowRedirect()
{
    // A 305 on a TLS URL is refused at once, Location or not.
    if (m_statusCode == 305 && UsesTls(m_url))
        return false;
    const HttpHeader* location = m_responseHeaders.Find("Location");
    if (!location)
        return true;   // the same request once more
    if (m_statusCode != 305)
        return FollowRefresh(location->value);
    HttpUrl proxy;
    if (proxy.Parse(location->value) != 0)
        return false;
    m_proxy = std::move(proxy);
    m_useProxy = true;
    return true;
}

bool HttpClient::FollowRefresh(const std::string& target)
{
    HttpUrl parsed;
    if (parsed.Parse(target) != 0 || parsed.UnusableReason())
        return false;
    m_urlText = target;
    m_url = std::move(parsed);
    m_requestHeaders.RemoveFirst("Authorization");
    return true;
}

void HttpClient::AnswerChallenge()
{
    const bool proxy = m_statusCode == 407;
    if (m_statusCode != 401 && !proxy)
        return;
    const HttpHeader* challenge = m_responseHeaders.Find(proxy ? "Proxy-Authenticate" : "WWW-Authenticate");
    if (!challenge || challenge->value.empty())
        return;
    const std::string& userName = proxy ? m_proxyUserName : m_userName;
    const std::string& password = proxy ? m_proxyPassword : m_password;
    if (userName.empty())
        return;
    if (!proxy && OriginOf(m_url) != m_credentialsOrigin)
        return;
    HttpHeaderList& headers = proxy ? m_proxyHeaders : m_requestHeaders;
    const char* name = proxy ? "Proxy-Authorization" : "Authorization";
    headers.RemoveFirst(name);
    headers.Append(name,
                   ChallengeAnswer(challenge->value, userName, password, m_method, "/" + m_url.Path(), m_options.random));
}
