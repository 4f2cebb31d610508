#pragma once

#include <string_view>

/// The PEM public key that release archives must be signed with, compiled
/// in from the file the build option LEANLOG_RELEASE_PUBLIC_KEY names.
std::string_view TrustedReleaseKey();

/// True when `signature` is an Ed25519 signature of `data` made with the
/// private half of `publicKeyPem`. Any malformed key or signature is false.
bool VerifyReleaseSignature(std::string_view data, std::string_view signature, std::string_view publicKeyPem);

/// The signature's file beside a release archive.
inline constexpr std::string_view kSignatureSuffix = ".sig";
