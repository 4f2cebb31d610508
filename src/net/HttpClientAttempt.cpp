// One request of an HttpClient on one connection: build it, connect, send,
// read and parse the reply.
#include "net/HttpClient.h"

#include "base/StrPrintf.h"
#include "net/AsciiText.h"
#include "net/HttpResponseParser.h"
#include "net/ResponseDump.h"
#include "net/SslSocket.h"
#include "net/TcpSocket.h"

#include <chrono>
#include <vector>

namespace {

/// Bytes asked of the socket per read.
constexpr size_t kReadBlock = 64 * 1024;

int PortOr(const HttpUrl& url, int fallback)
{
    return url.Port() < 0 ? fallback : url.Port();
}

long long MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

void AppendHeaders(std::string& request, const HttpHeaderList& headers)
{
    for (const HttpHeader& header : headers) {
        request += header.name;
        request += ": ";
        request += header.value;
        request += "\r\n";
    }
}

} // namespace

void HttpClient::Trace(std::string_view text) const
{
    if (m_options.trace)
        m_options.trace(text);
}

void HttpClient::ClearResponse()
{
    m_responseHeaders.Clear();
    m_headerText.clear();
    m_body.Release();
    m_statusLine.clear();
    m_statusCode = -1;
    m_bytesReceived = 0;
}

namespace {

std::string ResponseErrorText(EResponseError error, std::uint64_t maxBytes)
{
    switch (error) {
    case EResponseError::kHeaderTooLarge: return "the reply's header is too large";
    case EResponseError::kTooManyInterim: return "too many interim replies";
    case EResponseError::kTooLarge: return "the reply is larger than the limit of " + std::to_string(maxBytes) + " bytes";
    case EResponseError::kBadLength: return "the reply has a malformed Content-Length";
    case EResponseError::kBadChunk: return "the reply has a malformed chunk";
    case EResponseError::kTruncated: return "the reply was cut off";
    case EResponseError::kNone:
    case EResponseError::kNoResponse: break;
    }
    return "the reply is malformed";
}

} // namespace

HttpClient::EAttempt HttpClient::SendRequest(std::string_view body)
{
    const bool tls = UsesTls(m_url);
    // Through the proxy a TLS URL would travel in clear (a proxy named for a
    // plain URL, then a redirect to https). Refused before the last response
    // is cleared, so that the reply which led here stays readable.
    if (m_useProxy && tls) {
        m_failure = "a TLS URL is not sent through a proxy";
        return EAttempt::kFailed;
    }
    ClearResponse();
    if (!RequestIsSafe()) {
        m_failure = "the request would hold a line break";
        return EAttempt::kFailed;
    }
    const std::string request = BuildRequest(body);

    Trace("\n");
    Trace("getting page");
    if (m_options.trace)
        Trace(m_url.EncodedResource());
    Trace("\n");
    const std::string& host = m_useProxy ? m_proxy.Host() : m_url.Host();
    const int port = m_useProxy ? PortOr(m_proxy, 80) : PortOr(m_url, tls ? 443 : 80);
    const auto opened = std::chrono::steady_clock::now();
    const std::unique_ptr<CByteStream> stream = Connect(tls, host, port);
    if (!stream)
        return EAttempt::kNoAnswer;

    Trace("about to send to socket in httpclient\n");
    // A failed send is not the end: the server may have answered before it stopped reading.
    stream->Send(request, CDeadline(m_options.firstByteTimeout));
    Trace("about to read response from socket in httpclient\n");
    SResponseLimits limits;
    limits.maxResponseBytes = m_options.maxResponseBytes;
    CHttpResponseParser parser(limits, m_method == "HEAD");
    const bool answered = ReadResponse(*stream, parser);
    if (m_options.trace)
        Trace(StrPrintf("about to close socket in httpclient, %llu b in  %lld ms.\n",
                        static_cast<unsigned long long>(m_bytesReceived), MillisecondsSince(opened)));
    stream->Close();
    if (!answered) {
        m_failure = "timed out waiting for the reply";
        return EAttempt::kNoAnswer;
    }
    Trace("about to parse result in httpclient\n");
    const EAttempt result = TakeResponse(parser);
    Trace("about to return from sendRequest in httpclient\n");
    return result;
}

bool HttpClient::RequestIsSafe() const
{
    const auto unsafeHeader = [](const HttpHeaderList& headers) {
        for (const HttpHeader& header : headers)
            if (HasLineBreak(header.name) || HasLineBreak(header.value))
                return true;
        return false;
    };
    // The host and resource written into the request are pieces of the URL text.
    return !m_method.empty() && m_method.find(' ') == std::string::npos && !HasLineBreak(m_method) &&
           !HasLineBreak(m_urlText) && !unsafeHeader(m_requestHeaders) && !unsafeHeader(m_proxyHeaders);
}

std::string HttpClient::BuildRequest(std::string_view body) const
{
    // A proxy is given the whole URL as it was opened or followed.
    const std::string target = m_useProxy ? m_urlText.substr(0, m_urlText.find('#')) : "/" + m_url.EncodedResource();
    std::string request = m_method + " " + target + " HTTP/1.1\r\n";
    request += "Host: " + m_url.Host() + "\r\n";
    request += "Connection: Close\r\n";
    if (m_useProxy)
        request += "Proxy-Connection: Close\r\n";
    request += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    AppendHeaders(request, m_requestHeaders);
    if (m_sendCookies)
        request += m_cookies.BuildCookieHeader(m_url);
    if (m_useProxy)
        AppendHeaders(request, m_proxyHeaders);
    request += "\r\n";
    request += body;
    return request;
}

std::unique_ptr<CByteStream> HttpClient::Connect(bool tls, const std::string& host, int port)
{
    Trace("about to open socket in httpclient\n");
    const CDeadline deadline(m_options.firstByteTimeout);
    Trace("about to connect to socket in httpclient\n");
    if (tls) {
        auto socket = std::make_unique<CSslSocket>();
        if (!socket->Create() || !socket->Connect(host, port, deadline)) {
            m_failure = socket->ErrorText();
            return nullptr;
        }
        return socket;
    }
    auto socket = std::make_unique<CTcpSocket>();
    if (!socket->Connect(host, port, deadline)) {
        m_failure = socket->ErrorText();
        return nullptr;
    }
    return socket;
}

bool HttpClient::ReadResponse(CByteStream& stream, CHttpResponseParser& parser)
{
    CResponseDump dump(m_options.dumpFile);
    std::vector<char> block(kReadBlock);
    auto lastData = std::chrono::steady_clock::now();
    CDeadline deadline(m_options.firstByteTimeout);
    for (;;) {
        const SIoResult read = stream.Receive(block, deadline);
        if (read.status == EIoStatus::kTimedOut) {
            if (m_options.trace)
                Trace(StrPrintf("timed out in httpclient after %lld ms, received %llu b so far\n",
                                MillisecondsSince(lastData), static_cast<unsigned long long>(m_bytesReceived)));
            return false;
        }
        if (read.status != EIoStatus::kOk) {
            parser.Finish(read.status == EIoStatus::kClosed);
            return true;
        }
        const std::string_view bytes(block.data(), read.bytes);
        dump.Write(bytes);
        m_bytesReceived += read.bytes;
        if (m_options.trace)   // this runs for every block: no formatting without a hook
            Trace(StrPrintf("received %llu b so far\n", static_cast<unsigned long long>(m_bytesReceived)));
        if (parser.Feed(bytes) != EParseState::kNeedMore)
            return true;
        lastData = std::chrono::steady_clock::now();
        deadline = CDeadline(m_options.betweenBlocksTimeout);
    }
}

HttpClient::EAttempt HttpClient::TakeResponse(CHttpResponseParser& parser)
{
    if (parser.Error() == EResponseError::kNoResponse) {
        m_failure = "the connection closed before a reply";
        return EAttempt::kNoAnswer;
    }
    if (parser.HasStatus()) {
        m_statusLine = parser.StatusLine();
        m_statusCode = parser.StatusCode();
        m_headerText = parser.HeaderText();
        m_responseHeaders = parser.TakeHeaders();
        StoreCookies();
    }
    if (parser.State() != EParseState::kDone) {
        m_failure = ResponseErrorText(parser.Error(), m_options.maxResponseBytes);
        return EAttempt::kFailed;
    }
    m_body = parser.TakeBody();
    return EAttempt::kResponse;
}

void HttpClient::StoreCookies()
{
    for (const HttpHeader& header : m_responseHeaders) {
        if (!AsciiEqualsNoCase(header.name, "Set-Cookie"))
            continue;
        if (m_options.trace)
            Trace("got cookie" + header.value + "\n");
        // The parser takes a whole line; rebuilt with ": " so that a line
        // written without the blank ("Set-Cookie:a=b") is read the same.
        m_cookies.AddFromHeader(header.name + ": " + header.value, m_url);
    }
}
