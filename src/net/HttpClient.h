#pragma once

#include "net/ByteBuffer.h"
#include "net/CookieJar.h"
#include "net/HttpClientOptions.h"
#include "net/HttpHeader.h"
#include "net/HttpUrl.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CByteStream;
class CHttpResponseParser;

/// Results of HttpClient::Send.
inline constexpr int kHttpOk = 0;
/// An HTTP failure: an error status, too many redirects, a second challenge,
/// a malformed, truncated or oversized reply, or a request that may not be sent.
inline constexpr int kHttpFailed = -1;
/// No answer: name look-up, connection, TLS check or time-out failure.
inline constexpr int kHttpNoAnswer = -2;

/// The User-Agent value every caller sends; the closing parenthesis at the end belongs to it.
inline constexpr std::string_view kHttpUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows 98) Postwatch/0.3)";

/// The application's HTTP/1.1 client: one object per exchange, redirects
/// and authentication answers included. One request per connection
/// ("Connection: Close"); the whole response is held in memory. Plain TCP,
/// TLS (https URLs and port 443) or, after a 305 reply, an HTTP proxy.
/// Never throws. Not thread-safe: one thread uses an object at a time.
///
/// Use: Open, AddRequestHeader (User-Agent kHttpUserAgent, Accept "*/*"),
/// optionally SetCredentials, Send, then read the status, headers and body.
class HttpClient
{
public:
    explicit HttpClient(SHttpClientOptions options = {});
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    /// Clears request and response headers and credentials, then takes the
    /// method (upper-cased) and the URL. -1 when the URL does not parse;
    /// method and URL then stay as they were.
    int Open(std::string_view method, const std::string& url);
    /// -1 for the names the client writes itself (Content-Length,
    /// Authorization, Host, Connection, Content-MD5, Proxy-Authorization; any
    /// case) and for text with CR, LF or NUL. A new Content-Type replaces the
    /// old one; any other name is appended even when present.
    int AddRequestHeader(std::string_view name, std::string_view value);
    /// Removes the first request header of that name (any case).
    void RemoveRequestHeader(std::string_view name);

    /// Credentials for a 401 challenge, bound to the origin (scheme, host,
    /// port) of the URL opened last: challenges from another origin are not
    /// answered with them. Open forgets them, so set them after Open.
    void SetCredentials(std::string userName, std::string password);
    /// Credentials for a 407 challenge from a proxy.
    void SetProxyCredentials(std::string userName, std::string password);
    /// On by default: stored cookies go with every request.
    void SetSendCookies(bool send) { m_sendCookies = send; }

    /// Sends the request, following redirects, META refreshes and 305 proxy
    /// replies (at most five in a row) and answering one 401 and one 407.
    /// kHttpOk, kHttpFailed or kHttpNoAnswer. `body` is a NUL-terminated text or null.
    int Send(const char* body = nullptr);

    /// Adds an answer to the last 401 or 407 challenge to the request.
    void AnswerChallenge();

    /// The last response's body, chunked coding removed; null when empty.
    /// Valid until the next Send or the object's end.
    const char* GetBody() const { return m_body.Data(); }
    size_t GetBodyLength() const { return m_body.Length(); }
    /// Value of the last response's first header of that name (any case), or null.
    const char* GetResponseHeader(std::string_view name) const;
    /// Status of the last response; -1 when there is none.
    int GetStatusCode() const { return m_statusCode; }
    const std::string& GetStatusLine() const { return m_statusLine; }
    /// Every header line of the last response, trimmed, each followed by "\n".
    const std::string& GetHeaderText() const { return m_headerText; }
    /// Why the last Send did not end in kHttpOk, in words ("connection to
    /// ... refused", "the server answered 404 Not Found"); empty after a success.
    const std::string& GetFailureText() const { return m_failure; }
    /// The URL as last opened or followed.
    const std::string& GetUrlText() const { return m_urlText; }
    const CookieJar& GetCookies() const { return m_cookies; }

private:
    enum class EAttempt { kResponse, kNoAnswer, kFailed };

    // One request on one connection (HttpClientAttempt.cpp).
    EAttempt SendRequest(std::string_view body);
    /// The request as the origin server or, once a 305 named one, the proxy reads it.
    std::string BuildRequest(std::string_view body) const;
    /// False when the method, URL or a header would break the request's
    /// lines; the server's Location or challenge text could otherwise inject headers.
    bool RequestIsSafe() const;
    std::unique_ptr<CByteStream> Connect(bool tls, const std::string& host, int port);
    /// Reads until the response is complete or the stream ends; false on a time-out.
    bool ReadResponse(CByteStream& stream, CHttpResponseParser& parser);
    EAttempt TakeResponse(CHttpResponseParser& parser);
    void StoreCookies();
    void ClearResponse();
    void Trace(std::string_view text) const;
    /// Send's result with GetFailureText set for a failure.
    int Fail(int result, std::string why);

    // The steps of the Send loop (HttpClient.cpp).
    int SendLoop(std::string_view body);
    bool FollowRedirect();
    /// Makes `target` (a META refresh's or a Location's URL) the request URL; false when it does not parse.
    bool FollowRefresh(const std::string& target);

    HttpHeaderList m_requestHeaders;
    HttpHeaderList m_responseHeaders;
    CookieJar m_cookies;
    bool m_sendCookies = true;
    std::string m_userName;
    std::string m_password;
    std::string m_credentialsOrigin;   ///< origin the user name and password belong to
    std::string m_method;
    std::string m_urlText;
    ByteBuffer m_body;
    std::string m_statusLine;
    std::string m_headerText;
    int m_statusCode = -1;
    std::uint64_t m_bytesReceived = 0;   ///< by the current attempt
    HttpUrl m_url;
    HttpUrl m_proxy;
    std::string m_proxyUserName;
    std::string m_proxyPassword;
    HttpHeaderList m_proxyHeaders;
    bool m_useProxy = false;
    SHttpClientOptions m_options;
    std::string m_failure;
};
