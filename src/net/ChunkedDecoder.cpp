#include "net/ChunkedDecoder.h"

#include "net/AsciiText.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace {

constexpr size_t kMaxSizeDigits = 16;

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

/// The size of a size line without its CR LF, or nullopt when the line is malformed.
std::optional<std::uint64_t> ParseSizeLine(std::string_view line)
{
    size_t digits = 0;
    while (digits < line.size() && IsHexDigit(line[digits]))
        ++digits;
    if (digits == 0 || digits > kMaxSizeDigits)
        return std::nullopt;
    std::uint64_t size = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + digits, size, 16);
    if (ec != std::errc() || end != line.data() + digits)
        return std::nullopt;
    std::string_view rest = line.substr(digits);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    if (!rest.empty() && rest.front() != ';')
        return std::nullopt;
    if (HasLineBreak(rest))
        return std::nullopt;
    return size;
}

} // namespace

EParseState CChunkedDecoder::Feed(std::string_view in, ByteBuffer& body, size_t& consumed)
{
    consumed = 0;
    while (consumed < in.size() && State() == EParseState::kNeedMore) {
        switch (m_step) {
        case EStep::kSizeLine:
            TakeSizeLineByte(in[consumed++], body);
            break;
        case EStep::kData: {
            const size_t take = static_cast<size_t>(std::min<std::uint64_t>(m_remaining, in.size() - consumed));
            body.Append(in.substr(consumed, take));
            consumed += take;
            m_remaining -= take;
            if (m_remaining == 0)
                m_step = EStep::kDataCr;
            break;
        }
        case EStep::kDataCr:
            m_step = in[consumed++] == '\r' ? EStep::kDataLf : EStep::kError;
            break;
        case EStep::kDataLf:
            m_step = in[consumed++] == '\n' ? EStep::kSizeLine : EStep::kError;
            break;
        case EStep::kDone:
        case EStep::kError:
            break;
        }
    }
    return State();
}

void CChunkedDecoder::TakeSizeLineByte(char c, const ByteBuffer& body)
{
    m_sizeLine += c;
    if (c != '\n') {
        if (m_sizeLine.size() > kMaxSizeLine)
            Fail();
        return;
    }
    if (m_sizeLine.size() < 2 || m_sizeLine[m_sizeLine.size() - 2] != '\r')
        return Fail();
    const auto size = ParseSizeLine(std::string_view(m_sizeLine).substr(0, m_sizeLine.size() - 2));
    m_sizeLine.clear();
    if (!size)
        return Fail();
    if (*size > m_maxBody - std::min<std::uint64_t>(m_maxBody, body.Length())) {
        m_tooLarge = true;
        return Fail();
    }
    m_remaining = *size;
    m_step = m_remaining == 0 ? EStep::kDone : EStep::kData;
}
