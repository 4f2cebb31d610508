#include "net/DigestState.h"
#include "net/Md5AndBase64.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

/// Random bytes 00 01 02 ... so that the client nonce is fixed.
bool CountingBytes(std::span<unsigned char> into)
{
    std::iota(into.begin(), into.end(), static_cast<unsigned char>(0));
    return true;
}

} // namespace

TEST(Base64, MatchesPublishedVectors)
{
    // MD5 shows in the Digest responses below, Basic credentials in the client's test.
    // RFC 4648, section 10: every padding case.
    const std::pair<const char*, const char*> base64[] = {
        {"", ""}, {"f", "Zg=="}, {"fo", "Zm8="}, {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, encoded] : base64)
        EXPECT_EQ(Base64Encode(plain), encoded) << plain;
    EXPECT_EQ(Base64Encode("\xff\xfe"), "//4=");   // bytes are unsigned
}

TEST(DigestState, ChallengeVariants)
{
    // The first is RFC 2617's example with its published response (its quoted
    // qop list is cut at the comma); the others were computed separately
    // (Python's hashlib) from the same fields.
    const std::string realmNonce = "realm=\"testrealm@host.com\", nonce=\"dcd98b7102dd2f0e8b11d0f600bfb0c093\"";
    const std::string start = "Digest username=\"Mufasa\", " + realmNonce + ", uri=\"/dir/index.html\", ";
    const std::string withoutQop =
        start + "nc=00000001, algorithm=\"MD5\", response=\"670fd8c2df070c60b045671b8b24ff02\"";
    const std::pair<std::string, std::string> cases[] = {
        {"Digest " + realmNonce + ", qop=\"auth,auth-int\", opaque=\"5ccc069c403ebaf9f0171e9517f40e41\"",
         start + "qop=\"auth\", nc=00000001, algorithm=\"MD5\", cnonce=\"0a4f113b\", "
                 "opaque=\"5ccc069c403ebaf9f0171e9517f40e41\", response=\"6629fae49393a05397450978507c4ef1\""},
        // Without qop: three fields in the response, nc still written, no cnonce.
        {"Digest " + realmNonce, withoutQop},
        // MD5-sess in any case: session HA1, the algorithm written upper-case.
        {"digest " + realmNonce + ", qop=\"AUTH\", algorithm=\"md5-sess\"",
         start + "qop=\"auth\", nc=00000001, algorithm=\"MD5-SESS\", cnonce=\"0a4f113b\", "
                 "response=\"8e3825c57e897f5a0dec6c2d4e5059d0\""},
        {"Digest " + realmNonce + ", algorithm=MD5-sess", withoutQop},   // unquoted values read as empty
        {"Digest " + realmNonce + ", qop=\"auth-int\"", withoutQop},     // auth-int alone is not supported
        // No blank after the scheme: no parameters, so no response value.
        {"Digest", "Digest username=\"Mufasa\", uri=\"/dir/index.html\", algorithm=\"MD5\", response=\"\""},
        // A missing nonce leaves the response empty; the header is still whole.
        {"Digest realm=\"r\"",
         "Digest username=\"Mufasa\", realm=\"r\", uri=\"/dir/index.html\", algorithm=\"MD5\", response=\"\""},
    };
    for (const auto& [challenge, header] : cases) {
        DigestState digest("Mufasa", "Circle Of Life", "get", "/dir/index.html");   // the method is upper-cased
        digest.ParseChallenge(challenge);
        digest.SetClientNonce("0a4f113b");
        EXPECT_EQ(digest.BuildHeaderValue(), header) << challenge;
    }
}

TEST(DigestState, NonceCountAndClientNonce)
{
    DigestState digest("u", "p", "GET", "/");
    digest.SetNonce("n1");
    EXPECT_EQ(digest.NonceCountText(), "00000001");
    digest.SetNonce("n1");
    EXPECT_EQ(digest.NonceCountText(), "00000002");
    digest.SetNonce("n2");
    EXPECT_EQ(digest.NonceCountText(), "00000001");

    EXPECT_TRUE(digest.CreateClientNonce(CountingBytes));
    EXPECT_EQ(digest.ClientNonce(), "000102030405060708090a0b0c0d0e0f");
    EXPECT_FALSE(digest.CreateClientNonce([](std::span<unsigned char>) { return false; }));
    EXPECT_EQ(digest.ClientNonce(), "");
}
