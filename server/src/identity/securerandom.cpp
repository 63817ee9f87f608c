#include "identity/securerandom.h"

#include <QUuid>

#include <sodium.h>

bool SecureRandom::initialize()
{
    return sodium_init() >= 0;
}

QByteArray SecureRandom::bytes(int count)
{
    QByteArray buffer(count, Qt::Uninitialized);
    randombytes_buf(buffer.data(), size_t(buffer.size()));
    return buffer;
}

QString SecureRandom::token()
{
    return QString::fromLatin1(
        bytes(32).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString SecureRandom::uuid()
{
    QByteArray raw = bytes(16);
    // Version 4 and the RFC 4122 variant, as QUuid::createUuid would set them.
    raw[6] = char((raw[6] & 0x0f) | 0x40);
    raw[8] = char((raw[8] & 0x3f) | 0x80);
    return QUuid::fromRfc4122(raw).toString(QUuid::WithoutBraces);
}

QString SecureRandom::inviteCode()
{
    static const char alphabet[] = "ABCDEFGHJKMNPQRSTUVWXYZ23456789";
    const quint32 alphabetSize = sizeof(alphabet) - 1;
    QString code;
    for (int i = 0; i < 8; ++i)
        code.append(QLatin1Char(alphabet[randombytes_uniform(alphabetSize)]));
    return code;
}

QString SecureRandom::sha256Hex(const QByteArray &data)
{
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char *>(data.constData()),
                       quint64(data.size()));
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(digest), sizeof(digest)).toHex());
}

bool SecureRandom::equalInConstantTime(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    return sodium_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}
