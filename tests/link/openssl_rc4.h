// Reference RC4 from OpenSSL (legacy provider) for comparing the cipher unit in tests and benchmarks.
#pragma once

#include <openssl/evp.h>
#include <openssl/provider.h>

#include <cstdint>
#include <vector>

class COpenSslRc4 {
public:
    COpenSslRc4() {
        m_legacy = OSSL_PROVIDER_load(nullptr, "legacy");
        m_default = OSSL_PROVIDER_load(nullptr, "default");
        if (m_legacy) m_cipher = EVP_CIPHER_fetch(nullptr, "RC4", nullptr);
        m_ctx = EVP_CIPHER_CTX_new();
    }
    ~COpenSslRc4() {
        EVP_CIPHER_CTX_free(m_ctx);
        EVP_CIPHER_free(m_cipher);
        if (m_default) OSSL_PROVIDER_unload(m_default);
        if (m_legacy) OSSL_PROVIDER_unload(m_legacy);
    }
    COpenSslRc4(const COpenSslRc4&) = delete;
    COpenSslRc4& operator=(const COpenSslRc4&) = delete;

    bool Available() const { return m_cipher && m_ctx; }

    // Enciphers `data` in place with a fresh key schedule; false when OpenSSL refuses the key.
    bool Crypt(const std::uint8_t* key, int keyLength, std::uint8_t* data, int length) {
        if (!Available()) return false;
        if (EVP_EncryptInit_ex2(m_ctx, m_cipher, nullptr, nullptr, nullptr) != 1) return false;
        if (EVP_CIPHER_CTX_set_key_length(m_ctx, keyLength) != 1) return false;
        if (EVP_EncryptInit_ex2(m_ctx, nullptr, key, nullptr, nullptr) != 1) return false;
        int out = 0;
        if (length > 0 && EVP_EncryptUpdate(m_ctx, data, &out, data, length) != 1) return false;
        return out == length;
    }

private:
    OSSL_PROVIDER* m_legacy = nullptr;
    OSSL_PROVIDER* m_default = nullptr;
    EVP_CIPHER* m_cipher = nullptr;
    EVP_CIPHER_CTX* m_ctx = nullptr;
};
