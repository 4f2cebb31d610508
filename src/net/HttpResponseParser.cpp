#include "net/HttpResponseParser.h"

#include "net/AsciiText.h"
#include "net/LineTokenizer.h"

#include <algorithm>

namespace {

constexpr std::string_view kHeaderEnd = "\r\n\r\n";

/// The number after the first blank of the status line, read as atoi
/// reads it: the second blank-separated word.
int StatusCodeOf(std::string_view statusLine)
{
    const size_t blank = statusLine.find(' ');
    if (blank == std::string_view::npos)
        return 0;
    const std::string_view rest = statusLine.substr(blank + 1);
    return LenientInt(rest.substr(0, rest.find(' ')));
}

/// Statuses whose responses never carry a body.
bool IsBodylessStatus(int status)
{
    return (status >= 100 && status < 200) || status == 204 || status == 304;
}

bool EndsWithChunked(std::string_view codings)
{
    const size_t comma = codings.rfind(',');
    const std::string_view last = comma == std::string_view::npos ? codings : codings.substr(comma + 1);
    return AsciiEqualsNoCase(Trimmed(last), "chunked");
}

} // namespace

CHttpResponseParser::CHttpResponseParser(SResponseLimits limits, bool bodyless)
    : m_limits(limits), m_bodyless(bodyless)
{
}

EParseState CHttpResponseParser::Feed(std::string_view bytes)
{
    while (!bytes.empty() && m_state == EParseState::kNeedMore) {
        switch (m_phase) {
        case EPhase::kHead:
            FeedHead(bytes);
            break;
        case EPhase::kFixedBody:
            FeedFixedBody(bytes);
            break;
        case EPhase::kChunkedBody:
            FeedChunkedBody(bytes);
            break;
        case EPhase::kBodyToEnd:
            FeedBodyToEnd(bytes);
            break;
        case EPhase::kOver:
            return m_state;
        }
    }
    return m_state;
}

EParseState CHttpResponseParser::Finish(bool clean)
{
    if (m_state != EParseState::kNeedMore)
        return m_state;
    switch (m_phase) {
    case EPhase::kHead: {
        if (m_head.empty()) {
            Fail(EResponseError::kNoResponse);
            break;
        }
        // No blank line: what arrived counts as the status line and headers,
        // and the body is empty, unless the headers promised one.
        ReadHeaderBlock(m_head);
        std::uint64_t length = 0;
        const EFraming framing = Framing(length);
        if (!m_bodyless && !IsBodylessStatus(m_statusCode) &&
            (framing == EFraming::kChunked || (framing == EFraming::kLength && length > 0)))
            Fail(EResponseError::kTruncated);
        else
            Complete();
        break;
    }
    case EPhase::kBodyToEnd:
        if (clean)
            Complete();
        else
            Fail(EResponseError::kTruncated);
        break;
    case EPhase::kFixedBody:
    case EPhase::kChunkedBody:
        Fail(EResponseError::kTruncated);
        break;
    case EPhase::kOver:
        break;
    }
    return m_state;
}

void CHttpResponseParser::FeedHead(std::string_view& bytes)
{
    const size_t capLeft = m_limits.maxHeaderBytes - std::min(m_limits.maxHeaderBytes, m_headBytesBefore);
    const size_t oldSize = m_head.size();
    const size_t take = std::min(bytes.size(), capLeft - std::min(capLeft, oldSize));
    m_head.append(bytes.substr(0, take));
    const size_t end = m_head.find(kHeaderEnd, oldSize >= 3 ? oldSize - 3 : 0);
    const bool complete = end != std::string::npos;
    if (!complete && m_head.size() >= capLeft)
        return Fail(EResponseError::kHeaderTooLarge);
    const size_t used = complete ? end + kHeaderEnd.size() - oldSize : take;
    bytes.remove_prefix(used);
    m_consumed += used;
    if (m_consumed > m_limits.maxResponseBytes)
        return Fail(EResponseError::kTooLarge);
    if (!complete)
        return;

    m_head.resize(oldSize + used);   // bytes after the blank line belong to the body
    ReadHeaderBlock(m_head);
    m_headBytesBefore += m_head.size();
    m_head.clear();
    if (m_statusCode != 100)
        return StartBody();
    if (++m_interimCount > m_limits.maxInterimResponses)
        Fail(EResponseError::kTooManyInterim);
}

void CHttpResponseParser::ReadHeaderBlock(std::string_view block)
{
    LineTokenizer lines(block);
    m_statusLine = Trimmed(lines.NextToken());
    m_statusCode = StatusCodeOf(m_statusLine);
    m_hasStatus = true;
    m_blockFirstHeader = m_headers.Size();
    while (lines.Position() >= 0) {
        const std::string_view line = lines.NextToken();
        if (line.empty())
            break;
        AddHeaderLine(line);
    }
}

void CHttpResponseParser::AddHeaderLine(std::string_view line)
{
    const std::string_view trimmed = Trimmed(line);
    m_headerText.append(trimmed);
    m_headerText += '\n';
    const size_t colon = trimmed.find(':');
    if (colon == std::string_view::npos)
        return m_headers.Append(std::string(trimmed), {});
    m_headers.Append(std::string(Trimmed(trimmed.substr(0, colon))), std::string(Trimmed(trimmed.substr(colon + 1))));
}

CHttpResponseParser::EFraming CHttpResponseParser::Framing(std::uint64_t& length) const
{
    const HttpHeader* transferEncoding = nullptr;
    const HttpHeader* contentLength = nullptr;
    for (size_t i = m_blockFirstHeader; i < m_headers.Size(); ++i) {
        const HttpHeader& header = m_headers.At(i);
        if (AsciiEqualsNoCase(header.name, "Transfer-Encoding")) {
            transferEncoding = &header;
        } else if (AsciiEqualsNoCase(header.name, "Content-Length")) {
            // Differing lengths make the framing ambiguous: refuse rather than guess.
            if (contentLength && contentLength->value != header.value)
                return EFraming::kBad;
            contentLength = &header;
        }
    }
    if (transferEncoding)
        return EndsWithChunked(transferEncoding->value) ? EFraming::kChunked : EFraming::kToEnd;
    if (!contentLength)
        return EFraming::kToEnd;
    const auto parsed = StrictDecimal(contentLength->value);
    if (!parsed)
        return EFraming::kBad;
    length = *parsed;
    return EFraming::kLength;
}

void CHttpResponseParser::StartBody()
{
    if (m_bodyless || IsBodylessStatus(m_statusCode))
        return Complete();
    std::uint64_t length = 0;
    switch (Framing(length)) {
    case EFraming::kBad:
        return Fail(EResponseError::kBadLength);
    case EFraming::kChunked:
        m_chunked = CChunkedDecoder(BudgetLeft());
        m_phase = EPhase::kChunkedBody;
        return;
    case EFraming::kToEnd:
        m_phase = EPhase::kBodyToEnd;
        return;
    case EFraming::kLength:
        break;
    }
    if (length > BudgetLeft())
        return Fail(EResponseError::kTooLarge);
    if (length == 0)
        return Complete();
    m_body.Reserve(static_cast<size_t>(length));
    m_remaining = length;
    m_phase = EPhase::kFixedBody;
}

void CHttpResponseParser::FeedFixedBody(std::string_view& bytes)
{
    const size_t take = static_cast<size_t>(std::min<std::uint64_t>(m_remaining, bytes.size()));
    m_body.Append(bytes.substr(0, take));
    bytes.remove_prefix(take);
    m_consumed += take;
    m_remaining -= take;
    if (m_remaining == 0)
        Complete();
}

void CHttpResponseParser::FeedChunkedBody(std::string_view& bytes)
{
    const size_t offered = static_cast<size_t>(std::min<std::uint64_t>(bytes.size(), BudgetLeft()));
    size_t used = 0;
    const EParseState state = m_chunked.Feed(bytes.substr(0, offered), m_body, used);
    bytes.remove_prefix(used);
    m_consumed += used;
    if (state == EParseState::kDone)
        return Complete();
    if (state == EParseState::kError)
        return Fail(m_chunked.TooLarge() ? EResponseError::kTooLarge : EResponseError::kBadChunk);
    if (!bytes.empty())
        Fail(EResponseError::kTooLarge);
}

void CHttpResponseParser::FeedBodyToEnd(std::string_view& bytes)
{
    if (bytes.size() > BudgetLeft())
        return Fail(EResponseError::kTooLarge);
    m_body.Append(bytes);
    m_consumed += bytes.size();
    bytes = {};
}

void CHttpResponseParser::Complete()
{
    m_phase = EPhase::kOver;
    m_state = EParseState::kDone;
}

void CHttpResponseParser::Fail(EResponseError error)
{
    m_phase = EPhase::kOver;
    m_state = EParseState::kError;
    m_error = error;
    m_body.Release();
}

std::uint64_t CHttpResponseParser::BudgetLeft() const
{
    return m_limits.maxResponseBytes - std::min(m_limits.maxResponseBytes, m_consumed);
}
