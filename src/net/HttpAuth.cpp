#include "net/HttpAuth.h"

#include "net/AsciiText.h"
#include "net/DigestState.h"

std::string BasicCredentials(std::string_view userName, std::string_view password)
{
    std::string joined(userName);
    joined += ':';
    joined += password;
    return "Basic " + Base64Encode(joined);
}

std::string ChallengeAnswer(std::string_view challenge, const std::string& userName, const std::string& password,
                            std::string_view method, const std::string& uri, const RandomSource& random)
{
    const std::string_view scheme = challenge.substr(0, challenge.find(' '));
    if (AsciiEqualsNoCase(scheme, "Basic"))
        return BasicCredentials(userName, password);
    if (!AsciiEqualsNoCase(scheme, "Digest"))
        return {};
    DigestState digest(userName, password, method, uri);
    digest.ParseChallenge(challenge);
    digest.CreateClientNonce(random);
    return digest.BuildHeaderValue();
}
