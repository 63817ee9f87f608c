#pragma once

#include <QString>

// Argon2id password hashes in libsodium's self-describing string form.
class PasswordHasher
{
public:
    // Empty text when hashing failed (out of memory).
    static QString hash(const QString &password);
    static bool verify(const QString &password, const QString &storedHash);
};
