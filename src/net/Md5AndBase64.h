#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

/// Two lower-case hexadecimal digits per byte ("%02x" each).
std::string HexLower(std::span<const unsigned char> bytes);

/// MD5 digest of `bytes` as 32 lower-case hexadecimal digits.
std::string Md5Hex(std::string_view bytes);

/// Standard Base64 with "=" padding.
std::string Base64Encode(std::string_view bytes);

/// Fills the span with random bytes; false when no random bytes could be had.
/// Tests pass their own source to get fixed values.
using RandomSource = std::function<bool(std::span<unsigned char>)>;

/// Bytes from OpenSSL's cryptographically secure generator.
bool SecureRandomBytes(std::span<unsigned char> into);
