#include "update/ReleaseSignature.h"

#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

namespace {

struct SFreeKey
{
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct SFreeBio
{
    void operator()(BIO* bio) const { BIO_free(bio); }
};
struct SFreeMdContext
{
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

constexpr size_t kEd25519SignatureBytes = 64;

} // namespace

bool VerifyReleaseSignature(std::string_view data, std::string_view signature, std::string_view publicKeyPem)
{
    if (signature.size() != kEd25519SignatureBytes || publicKeyPem.empty())
        return false;
    std::unique_ptr<BIO, SFreeBio> bio(BIO_new_mem_buf(publicKeyPem.data(), static_cast<int>(publicKeyPem.size())));
    if (!bio)
        return false;
    std::unique_ptr<EVP_PKEY, SFreeKey> key(PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr));
    // Only Ed25519: a key of another type must not widen what is accepted.
    if (!key || EVP_PKEY_get_id(key.get()) != EVP_PKEY_ED25519)
        return false;
    std::unique_ptr<EVP_MD_CTX, SFreeMdContext> context(EVP_MD_CTX_new());
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()), signature.size(),
                            reinterpret_cast<const unsigned char*>(data.data()), data.size()) == 1;
}
