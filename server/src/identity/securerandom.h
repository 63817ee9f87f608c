#pragma once

#include <QByteArray>
#include <QString>

// Random values and digests from libsodium; nothing here is hand-written
// cryptography.
class SecureRandom
{
public:
    // Must run once before any other call; false when libsodium cannot start.
    static bool initialize();

    static QByteArray bytes(int count);
    // 256 random bits as unpadded base64url text, for refresh tokens and
    // form tokens.
    static QString token();
    // A random lower-case UUID (version 4) for row ids.
    static QString uuid();
    // Eight characters without look-alikes (no 0/O, 1/I/L), easy to read out.
    static QString inviteCode();
    // Lower-case hexadecimal SHA-256, for storing tokens without the tokens.
    static QString sha256Hex(const QByteArray &data);
    static bool equalInConstantTime(const QByteArray &a, const QByteArray &b);
};
