#pragma once

#include "net/ByteBuffer.h"
#include "net/ChunkedDecoder.h"
#include "net/HttpHeader.h"

#include <cstdint>
#include <string>
#include <string_view>

struct SResponseLimits
{
    size_t maxHeaderBytes = 256 * 1024;              ///< status lines and headers of all blocks together
    int maxInterimResponses = 5;                     ///< "100" responses skipped before the final one
    std::uint64_t maxResponseBytes = 256ULL << 20;   ///< every byte of the response
};

enum class EResponseError {
    kNone,
    kNoResponse,       ///< the connection ended before a status line
    kHeaderTooLarge,
    kTooManyInterim,
    kTooLarge,         ///< beyond maxResponseBytes
    kBadLength,        ///< Content-Length that is not one plain decimal number
    kBadChunk,
    kTruncated,        ///< the connection ended before the body was complete
};

/// Reads one HTTP/1.1 response from bytes as they arrive; does no I/O.
/// Interim 100 responses are skipped; the body is framed by chunked coding
/// (undone), by Content-Length, or by the end of the connection. Bytes
/// after a complete response are ignored. Used by one thread at a time.
class CHttpResponseParser
{
public:
    /// `bodyless`: the request was HEAD, so no response has a body.
    explicit CHttpResponseParser(SResponseLimits limits = {}, bool bodyless = false);

    EParseState Feed(std::string_view bytes);
    /// The connection ended; `clean` is false when it ended by an error or,
    /// on TLS, without a close notification. A body that runs to the end of
    /// the connection is complete only on a clean end.
    EParseState Finish(bool clean);

    EParseState State() const { return m_state; }
    EResponseError Error() const { return m_error; }
    /// A status line was read (with its headers, or what arrived of them).
    bool HasStatus() const { return m_hasStatus; }

    int StatusCode() const { return m_statusCode; }
    /// The last status line, trimmed.
    const std::string& StatusLine() const { return m_statusLine; }
    /// Every header line of every block, trimmed, each followed by "\n".
    const std::string& HeaderText() const { return m_headerText; }
    const HttpHeaderList& Headers() const { return m_headers; }
    /// The body without chunked coding; released when parsing fails.
    const ByteBuffer& Body() const { return m_body; }

    HttpHeaderList TakeHeaders() { return std::move(m_headers); }
    ByteBuffer TakeBody() { return std::move(m_body); }

private:
    enum class EPhase { kHead, kFixedBody, kChunkedBody, kBodyToEnd, kOver };
    enum class EFraming { kToEnd, kChunked, kLength, kBad };

    void FeedHead(std::string_view& bytes);
    void FeedFixedBody(std::string_view& bytes);
    void FeedChunkedBody(std::string_view& bytes);
    void FeedBodyToEnd(std::string_view& bytes);
    void ReadHeaderBlock(std::string_view block);
    void AddHeaderLine(std::string_view line);
    EFraming Framing(std::uint64_t& length) const;
    void StartBody();
    void Complete();
    void Fail(EResponseError error);
    std::uint64_t BudgetLeft() const;

    SResponseLimits m_limits;
    bool m_bodyless;
    EParseState m_state = EParseState::kNeedMore;
    EResponseError m_error = EResponseError::kNone;
    EPhase m_phase = EPhase::kHead;

    std::string m_head;              ///< the header block being collected
    size_t m_headBytesBefore = 0;    ///< bytes of earlier (interim) blocks
    int m_interimCount = 0;
    std::uint64_t m_consumed = 0;
    std::uint64_t m_remaining = 0;   ///< of a Content-Length body
    CChunkedDecoder m_chunked;

    bool m_hasStatus = false;
    int m_statusCode = -1;
    std::string m_statusLine;
    std::string m_headerText;
    HttpHeaderList m_headers;
    size_t m_blockFirstHeader = 0;   ///< index of the final block's first header
    ByteBuffer m_body;
};
