#include "net/ChunkedDecoder.h"
#include "net/HttpResponseParser.h"
#include "net/MetaRefresh.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct SOutcome
{
    EParseState state;
    EResponseError error;
    int status;
    std::string body;
    std::string headerText;

    bool operator==(const SOutcome&) const = default;
};

/// Feeds `bytes` in the given pieces, then ends the connection cleanly.
SOutcome Parse(const std::string& bytes, const std::vector<size_t>& cuts, SResponseLimits limits = {},
               bool bodyless = false)
{
    CHttpResponseParser parser(limits, bodyless);
    size_t from = 0;
    for (const size_t cut : cuts) {
        parser.Feed(std::string_view(bytes).substr(from, cut - from));
        from = cut;
    }
    parser.Feed(std::string_view(bytes).substr(from));
    parser.Finish(true);
    return {parser.State(), parser.Error(), parser.StatusCode(), std::string(parser.Body().View()),
            parser.HeaderText()};
}

/// The outcome must not depend on how the bytes were split: whole, byte by
/// byte, and cut in two at every position.
SOutcome ParseEverySplit(const std::string& bytes, SResponseLimits limits = {})
{
    const SOutcome whole = Parse(bytes, {}, limits);
    std::vector<size_t> everyByte;
    for (size_t i = 1; i < bytes.size(); ++i)
        everyByte.push_back(i);
    EXPECT_EQ(Parse(bytes, everyByte, limits), whole) << "byte by byte";
    for (size_t i = 1; i < bytes.size(); ++i)
        EXPECT_EQ(Parse(bytes, {i}, limits), whole) << "cut at " << i;
    return whole;
}

constexpr auto kDone = EParseState::kDone;
constexpr auto kError = EParseState::kError;
using enum EResponseError;
const std::string kOk = "HTTP/1.1 200 OK\r\n";
const std::string kChunked = kOk + "Transfer-Encoding: chunked\r\n\r\n";

} // namespace

TEST(HttpResponseParser, FramesBodiesAlikeAtEverySplit)
{
    const struct
    {
        const char* name;
        std::string bytes;
        EResponseError error;
        int status;
        std::string body;
    } cases[] = {
        {"length", kOk + "Content-Length: 5\r\n\r\nhello", kNone, 200, "hello"},
        {"bytes after the length are ignored", kOk + "Content-Length: 2\r\n\r\nhello", kNone, 200, "he"},
        {"to the end", "HTTP/1.0 200 OK\r\nServer: x\r\n\r\nall of it", kNone, 200, "all of it"},
        {"interim 100 skipped",
         "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", kNone, 200, "ok"},
        {"chunked with an extension", kChunked + "5;ext=1\r\nhello\r\n0\r\n\r\n", kNone, 200, "hello"},
        {"chunked, upper-case hex, trailers unread",
         kOk + "transfer-encoding: gzip, CHUNKED\r\n\r\nA\r\n0123456789\r\n3 \r\nabc\r\n0\r\nT: x\r\n\r\n", kNone, 200,
         "0123456789abc"},
        {"chunked wins over a length",
         kOk + "Content-Length: 99\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nhi\r\n0\r\n\r\n", kNone, 200, "hi"},
        {"chunked named only in the body",
         kOk + "\r\n" + kChunked.substr(kOk.size()) + "5\r\nhello\r\n0\r\n\r\n", kNone, 200,
         kChunked.substr(kOk.size()) + "5\r\nhello\r\n0\r\n\r\n"},
        {"no blank line", kOk + "Server: x", kNone, 200, ""},
        {"no body for 204 and 304", "HTTP/1.1 204 No Content\r\nContent-Length: 10\r\n\r\n", kNone, 204, ""},
        {"status read as atoi reads it", "HTTP/1.1 302x Found\r\nContent-Length: 0\r\n\r\n", kNone, 302, ""},
        {"two blanks leave no status", "HTTP/1.1  200 OK\r\n\r\n", kNone, 0, ""},
        {"nothing at all", "", kNoResponse, -1, ""},
        {"short body", kOk + "Content-Length: 10\r\n\r\nhello", kTruncated, 200, ""},
        {"headers end early, length promised", kOk + "Content-Length: 10\r\n", kTruncated, 200, ""},
        {"no final chunk", kChunked + "5\r\nhello\r\n", kTruncated, 200, ""},
        {"lengths that differ", kOk + "Content-Length: 2\r\nContent-Length: 3\r\n\r\nabc", kBadLength, 200, ""},
        {"length not a number", kOk + "Content-Length: +5\r\n\r\nhello", kBadLength, 200, ""},
        {"length beyond 64 bits", kOk + "Content-Length: 99999999999999999999\r\n\r\n", kBadLength, 200, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SOutcome outcome = ParseEverySplit(c.bytes);
        EXPECT_EQ(outcome.state, c.error == kNone ? kDone : kError);
        EXPECT_EQ(outcome.error, c.error);
        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(outcome.body, c.body);
    }
}

TEST(HttpResponseParser, RefusesMalformedChunks)
{
    const char* bodies[] = {
        "g\r\nx\r\n0\r\n\r\n",                    // not a hexadecimal digit
        "\r\n0\r\n\r\n",                          // no digits
        "-1\r\n0\r\n\r\n",
        "0x5\r\nhello\r\n0\r\n\r\n",
        "00000000000000005\r\nhello\r\n0\r\n\r\n", // 17 digits
        "5 x\r\nhello\r\n0\r\n\r\n",              // junk after the size
        "5\nhello\r\n0\r\n\r\n",                  // a bare LF ends no size line
        "5\r\nhelloXX0\r\n\r\n",                  // no CR LF after the data
        "5\r\nhello\n0\r\n\r\n",
        "5\r\nhelloX\n0\r\n\r\n",                 // no CR before the LF
    };
    for (const char* body : bodies) {
        SCOPED_TRACE(body);
        const SOutcome outcome = ParseEverySplit(kChunked + body);
        EXPECT_EQ(outcome.state, kError);
        EXPECT_EQ(outcome.error, kBadChunk);
        EXPECT_EQ(outcome.body, "");
    }
}

TEST(HttpResponseParser, EnforcesItsCaps)
{
    SResponseLimits small;
    small.maxResponseBytes = 100;
    const std::string big(200, 'x');
    std::string smallChunks;
    for (int i = 0; i < 30; ++i)
        smallChunks += "1\r\nx\r\n";
    const struct { const char* name; std::string bytes; EResponseError error; } cases[] = {
        {"declared length", kOk + "Content-Length: 200\r\n\r\n", kTooLarge},
        {"to the end", kOk + "\r\n" + big, kTooLarge},
        {"one large chunk", kChunked + "c8\r\n", kTooLarge},
        {"many small chunks", kChunked + smallChunks, kTooLarge},
        {"headers", kOk + "X: " + big + "\r\n\r\n", kTooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SOutcome outcome = ParseEverySplit(c.bytes, small);
        EXPECT_EQ(outcome.error, c.error);
        EXPECT_EQ(outcome.body, "");
    }

    // Status line and headers: 256 KiB in all, interim blocks included.
    const std::string header = "X: " + std::string(1000, 'h') + "\r\n";
    std::string fits = kOk;
    while (fits.size() + header.size() + 2 <= 256 * 1024)
        fits += header;
    EXPECT_EQ(Parse(fits + "\r\n", {}).state, kDone);
    EXPECT_EQ(Parse(fits + header + "\r\n", {}).error, kHeaderTooLarge);
    // Two blocks of 150 KiB each fit alone, not together.
    std::string half;
    while (half.size() < 150 * 1024)
        half += header;
    EXPECT_EQ(Parse(kOk + half + "\r\n", {}).state, kDone);
    EXPECT_EQ(Parse("HTTP/1.1 100 Continue\r\n" + half + "\r\nHTTP/1.1 200 OK\r\n" + half + "\r\n", {}).error,
              kHeaderTooLarge);

    // At most five interim responses.
    std::string interim;
    for (int i = 0; i < 5; ++i)
        interim += "HTTP/1.1 100 Continue\r\n\r\n";
    EXPECT_EQ(Parse(interim + kOk + "\r\nx", {}).status, 200);
    EXPECT_EQ(Parse(interim + "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\n\r\nx", {}).error,
              kTooManyInterim);
}

TEST(HttpResponseParser, HeadersAndTheirText)
{
    CHttpResponseParser parser;
    parser.Feed("HTTP/1.1 100 Continue\r\nX-Interim: 1\r\n\r\n"
                "  HTTP/1.1 200 OK  \r\nContent-Type :  text/plain \r\nSet-Cookie: a=1; path=/\r\nNoColon\r\n"
                "Content-Length: 0\r\n\r\n");
    ASSERT_EQ(parser.State(), kDone);
    EXPECT_EQ(parser.StatusLine(), "HTTP/1.1 200 OK");
    EXPECT_EQ(parser.HeaderText(), "X-Interim: 1\nContent-Type :  text/plain\nSet-Cookie: a=1; path=/\nNoColon\n"
                                   "Content-Length: 0\n");
    const HttpHeader* type = parser.Headers().Find("content-type");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->value, "text/plain");
    ASSERT_NE(parser.Headers().Find("NOCOLON"), nullptr);
    EXPECT_EQ(parser.Headers().Find("NoColon")->value, "");
    EXPECT_NE(parser.Headers().Find("X-Interim"), nullptr);
}

TEST(HttpResponseParser, EndOfConnectionRules)
{
    // A body that runs to the end is complete only when the end is clean (on
    // TLS: with a close notification); a complete length-framed body however it ends.
    for (const bool clean : {true, false}) {
        CHttpResponseParser toEnd, framed;
        toEnd.Feed("HTTP/1.1 200 OK\r\n\r\npartial");
        EXPECT_EQ(toEnd.Finish(clean), clean ? kDone : kError);
        EXPECT_EQ(toEnd.Error(), clean ? kNone : kTruncated);
        EXPECT_EQ(framed.Feed("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok"), kDone);
        EXPECT_EQ(framed.Finish(clean), kDone);
    }
    // A HEAD response has no body whatever its headers say.
    const SOutcome head = Parse("HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\n", {}, {}, true);
    EXPECT_EQ(head.state, kDone);
    EXPECT_EQ(head.body, "");
}

TEST(ChunkedDecoder, StopsAtTheLastChunk)
{
    CChunkedDecoder decoder;
    ByteBuffer body;
    size_t consumed = 0;
    const std::string input = "3\r\nabc\r\n0\r\nafter";
    EXPECT_EQ(decoder.Feed(input, body, consumed), kDone);
    EXPECT_EQ(consumed, input.find("after"));
    EXPECT_EQ(body.View(), "abc");

    CChunkedDecoder limited(4);
    ByteBuffer small;
    EXPECT_EQ(limited.Feed("3\r\nabc\r\n2\r\n", small, consumed), kError);
    EXPECT_TRUE(limited.TooLarge());
    EXPECT_EQ(small.View(), "abc");   // the chunk beyond the limit was never taken
}

TEST(MetaRefresh, FindsTheRefreshTarget)
{
    const char* prefix = "<META HTTP-EQUIV=\"REFRESH\" CONTENT=\"0; URL=";
    const struct { std::string page; std::optional<std::string> target; } cases[] = {
        {std::string("<html>") + prefix + "http://h/next\"></html>", "http://h/next"},
        {std::string(prefix) + "http://h/unterminated", "http://h/unterminated"},
        // Inside a preceding <noscript> the refresh is ignored.
        {std::string("<noscript>") + prefix + "http://h/x\"></noscript>", std::nullopt},
        // A <noscript> after it does not matter.
        {std::string(prefix) + "http://h/x\"><noscript></noscript>", "http://h/x"},
        // Only the exact form counts.
        {"<meta http-equiv=\"refresh\" content=\"0; URL=http://h/x\">", std::nullopt},
        {"<META HTTP-EQUIV=\"REFRESH\" CONTENT=\"5; URL=http://h/x\">", std::nullopt},
        {"<html></html>", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindMetaRefresh(c.page), c.target) << c.page;
}
