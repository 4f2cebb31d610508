// A WWW-Authenticate challenge answered with fixed credentials and client
// nonce: parsing any text must give a well-formed Digest header value.
#include "net/DigestState.h"
#include "net/HttpAuth.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view challenge(reinterpret_cast<const char*>(data), size);
    DigestState digest("user", "pass", "GET", "/dir/index.html");
    digest.ParseChallenge(challenge);
    digest.SetClientNonce("0a4f113b");
    const std::string value = digest.BuildHeaderValue();
    if (value.rfind("Digest ", 0) != 0 || value.back() != '"')
        std::abort();
    if (digest.Qop() != "" && digest.Qop() != "auth")
        std::abort();
    if (digest.Algorithm() != "" && digest.Algorithm() != "MD5" && digest.Algorithm() != "MD5-SESS")
        std::abort();
    const std::string response = digest.ComputeResponse();
    if (!response.empty() && response.size() != 32)
        std::abort();

    const auto fixed = [](std::span<unsigned char> into) {
        for (auto& byte : into)
            byte = 0x5a;
        return true;
    };
    ChallengeAnswer(challenge, "user", "pass", "GET", "/", fixed);
    return 0;
}
