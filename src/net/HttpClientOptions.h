#pragma once

#include "net/HttpTrace.h"
#include "net/Md5AndBase64.h"

#include <chrono>
#include <cstdint>
#include <string>

class CSettings;

/// What an HttpClient is configured with; callers fill it from the settings
/// (HttpClientOptionsFrom), tests and fuzzers directly.
struct SHttpClientOptions
{
    /// Time allowed for connecting (TLS handshake included), sending, and
    /// for the first bytes of the response after the request went out.
    std::chrono::milliseconds firstByteTimeout{5000};
    /// Time allowed between two later blocks of the response.
    std::chrono::milliseconds betweenBlocksTimeout{60000};
    /// A response with more bytes than this ends the exchange with -1.
    std::uint64_t maxResponseBytes = 256ULL << 20;
    /// Every raw reply is written here (mode 0600), overwriting the last; empty: off.
    std::string dumpFile;
    HttpTraceHook trace = DefaultHttpTraceHook();
    /// Source of Digest client nonces.
    RandomSource random = SecureRandomBytes;
};

/// Options from the settings dwTimeout, dwTimeout2, MaxResponseBytes and HttpDumpFile.
SHttpClientOptions HttpClientOptionsFrom(const CSettings& settings);
