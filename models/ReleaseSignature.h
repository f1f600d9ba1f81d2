#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace marklode {

// An ed25519 public key given as base64; nothing unless it decodes to exactly 32 bytes.
std::optional<QByteArray> decodePublicKey(QByteArrayView base64);

// Whether `signatureBase64` is the ed25519 signature of all of `data` by the key.
bool signatureMatches(QByteArrayView data, QByteArrayView signatureBase64,
                      const QByteArray& publicKey);

} // namespace marklode
