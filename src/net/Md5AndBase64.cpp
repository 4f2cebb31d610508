#include "net/Md5AndBase64.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <limits>

std::string HexLower(std::span<const unsigned char> bytes)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const unsigned char byte : bytes) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 0x0f];
    }
    return hex;
}

std::string Md5Hex(std::string_view bytes)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr) != 1)
        return {};
    return HexLower({digest, length});
}

std::string Base64Encode(std::string_view bytes)
{
    if (bytes.size() > static_cast<size_t>(std::numeric_limits<int>::max() / 4 * 3))
        return {};
    // One byte more for the terminator EVP_EncodeBlock writes.
    std::string encoded(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int written = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(encoded.data()),
                                        reinterpret_cast<const unsigned char*>(bytes.data()),
                                        static_cast<int>(bytes.size()));
    encoded.resize(written < 0 ? 0 : static_cast<size_t>(written));
    return encoded;
}

bool SecureRandomBytes(std::span<unsigned char> into)
{
    if (into.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
        return false;
    return RAND_bytes(into.data(), static_cast<int>(into.size())) == 1;
}
