// The response parser with chunked decoding. The first byte chooses the
// limits, the way the connection ends and a piece size; the outcome must
// be the same whether the rest arrives whole or in pieces.
#include "net/HttpResponseParser.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct SOutcome
{
    EParseState state;
    EResponseError error;
    int status;
    std::string statusLine;
    std::string headerText;
    std::string body;
};

SOutcome Run(std::string_view bytes, size_t piece, SResponseLimits limits, bool bodyless, bool clean)
{
    CHttpResponseParser parser(limits, bodyless);
    for (size_t at = 0; at < bytes.size() && parser.State() == EParseState::kNeedMore; at += piece)
        parser.Feed(bytes.substr(at, piece));
    parser.Finish(clean);
    const std::string_view body = parser.Body().View();
    // Never more body than input, and no body at all after a failure.
    if (body.size() > bytes.size() || (parser.State() == EParseState::kError && !body.empty()))
        std::abort();
    if (parser.State() == EParseState::kNeedMore)
        std::abort();
    return {parser.State(), parser.Error(), parser.StatusCode(), parser.StatusLine(), parser.HeaderText(),
            std::string(body)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    // Small limits keep runs cheap: a declared length up to the limit is reserved at once.
    SResponseLimits limits;
    limits.maxResponseBytes = (control & 0x80) ? 96 : 1 << 20;
    if (control & 0x40)
        limits.maxHeaderBytes = 64;
    const bool bodyless = control & 0x20;
    const bool clean = control & 0x10;
    const size_t piece = (control & 0x0f) + 1;

    const SOutcome whole = Run(bytes, bytes.size() + 1, limits, bodyless, clean);
    const SOutcome pieces = Run(bytes, piece, limits, bodyless, clean);
    if (whole.state != pieces.state || whole.error != pieces.error || whole.status != pieces.status ||
        whole.statusLine != pieces.statusLine || whole.headerText != pieces.headerText || whole.body != pieces.body)
        std::abort();
    return 0;
}
