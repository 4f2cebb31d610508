#pragma once

#include "net/ByteBuffer.h"

#include <cstdint>
#include <string>
#include <string_view>

/// Where an incremental parser stands after the bytes it was given.
enum class EParseState { kNeedMore, kDone, kError };

/// Undoes chunked transfer coding as bytes arrive. A size line is 1 to 16
/// hexadecimal digits, optionally followed by blanks and a ";" extension,
/// and ends in CR LF; every chunk's data ends in CR LF; the zero-size chunk
/// ends the body (trailers are not read). Anything else is an error.
class CChunkedDecoder
{
public:
    /// Bytes allowed in one size line, extension included.
    static constexpr size_t kMaxSizeLine = 4096;

    /// A chunk that would make the body longer than `maxBody` bytes is an error.
    explicit CChunkedDecoder(std::uint64_t maxBody = UINT64_MAX) : m_maxBody(maxBody) {}

    /// Appends the decoded bytes of `in` to `body`. `consumed` tells how
    /// much of `in` was used: all of it while more is needed, less once done.
    EParseState Feed(std::string_view in, ByteBuffer& body, size_t& consumed);

    EParseState State() const
    {
        if (m_step == EStep::kDone)
            return EParseState::kDone;
        return m_step == EStep::kError ? EParseState::kError : EParseState::kNeedMore;
    }
    /// The error was a chunk beyond the body limit, not a malformed one.
    bool TooLarge() const { return m_tooLarge; }

private:
    enum class EStep { kSizeLine, kData, kDataCr, kDataLf, kDone, kError };

    void TakeSizeLineByte(char c, const ByteBuffer& body);
    void Fail() { m_step = EStep::kError; }

    EStep m_step = EStep::kSizeLine;
    std::string m_sizeLine;
    std::uint64_t m_remaining = 0;
    std::uint64_t m_maxBody;
    bool m_tooLarge = false;
};
