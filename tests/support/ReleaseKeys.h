#pragma once

#include <QByteArray>
#include <sodium.h>
#include <stdexcept>

namespace marklode::test {

// A fresh ed25519 key pair that signs the test's own releases.
class ReleaseKeys {
  public:
    ReleaseKeys() {
        if (sodium_init() < 0)
            throw std::runtime_error("libsodium could not start");
        crypto_sign_keypair(publicKey_, secretKey_);
    }

    QByteArray publicKeyBase64() const {
        return QByteArray(reinterpret_cast<const char*>(publicKey_), sizeof publicKey_).toBase64();
    }

    QByteArray sign(const QByteArray& data) const {
        unsigned char signature[crypto_sign_BYTES];
        crypto_sign_detached(signature, nullptr,
                             reinterpret_cast<const unsigned char*>(data.data()),
                             static_cast<unsigned long long>(data.size()), secretKey_);
        return QByteArray(reinterpret_cast<const char*>(signature), sizeof signature).toBase64();
    }

  private:
    unsigned char publicKey_[crypto_sign_PUBLICKEYBYTES]{};
    unsigned char secretKey_[crypto_sign_SECRETKEYBYTES]{};
};

} // namespace marklode::test
