#pragma once

#include "net/HttpClient.h"

#include <string>
#include <string_view>

/// What one GET gave.
struct SHttpGetResult
{
    int result = kHttpFailed;   ///< HttpClient::Send's result; also kHttpFailed for a URL that does not parse
    int status = -1;            ///< the final response's status, -1 when none
    std::string body;
    std::string failure;        ///< why, in words, when result is not kHttpOk

    /// A 200 reply with its whole body: the only reply whose body may replace a file.
    bool Whole() const { return result == kHttpOk && status == 200; }
};

/// One GET of `url` with the User-Agent and Accept headers every request of
/// the program sends, on an HttpClient of its own. Never throws.
SHttpGetResult HttpGet(const std::string& url, const SHttpClientOptions& options);

/// `serverUrl` (the ServerURL setting) without its trailing slashes, then
/// `path`, which starts with "/".
std::string ServerPathUrl(std::string_view serverUrl, std::string_view path);
