#include "models/ReleaseSignature.h"

#include <sodium.h>

namespace marklode {

namespace {

std::optional<QByteArray> decodeExactly(QByteArrayView base64, qsizetype size) {
    auto decoded = QByteArray::fromBase64Encoding(base64.toByteArray(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != size)
        return std::nullopt;
    return decoded.decoded;
}

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

std::optional<QByteArray> decodePublicKey(QByteArrayView base64) {
    return decodeExactly(base64.trimmed(), crypto_sign_PUBLICKEYBYTES);
}

bool signatureMatches(QByteArrayView data, QByteArrayView signatureBase64,
                      const QByteArray& publicKey) {
    auto signature = decodeExactly(signatureBase64.trimmed(), crypto_sign_BYTES);
    if (!signature || publicKey.size() != crypto_sign_PUBLICKEYBYTES || !sodiumReady())
        return false;
    return crypto_sign_verify_detached(
               reinterpret_cast<const unsigned char*>(signature->constData()),
               reinterpret_cast<const unsigned char*>(data.data()),
               static_cast<unsigned long long>(data.size()),
               reinterpret_cast<const unsigned char*>(publicKey.constData())) == 0;
}

} // namespace marklode
