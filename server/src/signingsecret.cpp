#include "signingsecret.h"

#include "identity/securerandom.h"
#include "serveroptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

std::optional<QByteArray> SigningSecret::load(const ServerOptions &options, QString *error)
{
    if (!options.tokenSecret.isEmpty()) {
        if (options.tokenSecret.size() < minimumBytes) {
            *error = QStringLiteral("KESTRELWOOD_TOKEN_SECRET must be at least %1 bytes").arg(minimumBytes);
            return std::nullopt;
        }
        return options.tokenSecret;
    }
    if (!options.tokenSecretFile.isEmpty())
        return readFile(options.tokenSecretFile, error);
    if (!ensurePrivateDirectory(options.dataDir, error))
        return std::nullopt;
    const QString path = options.dataDir + QStringLiteral("/token-secret");
    if (QFileInfo::exists(path))
        return readFile(path, error);
    return createFile(path, error);
}

bool SigningSecret::ensurePrivateDirectory(const QString &dir, QString *error)
{
    if (QFileInfo(dir).isDir())
        return true;
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("Cannot create the data folder %1").arg(dir);
        return false;
    }
    QFile::setPermissions(dir, ownerOnly | QFileDevice::ExeOwner);
    return true;
}

std::optional<QByteArray> SigningSecret::readFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot read the token secret %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QByteArray secret = file.readAll().trimmed();
    if (secret.size() < minimumBytes) {
        *error = QStringLiteral("The token secret in %1 is shorter than %2 bytes").arg(path).arg(minimumBytes);
        return std::nullopt;
    }
    // A secret others can read lets them forge any user's token.
    if (file.permissions() & ~(ownerOnly | QFileDevice::ReadUser | QFileDevice::WriteUser)) {
        qWarning("The token secret %s was readable by others; it is now owner-only",
                 qPrintable(path));
        file.setPermissions(ownerOnly);
    }
    return secret;
}

std::optional<QByteArray> SigningSecret::createFile(const QString &path, QString *error)
{
    QFile file(path);
    // NewOnly: two instances starting together must not overwrite each other's secret.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (QFileInfo::exists(path))
            return readFile(path, error);
        *error = QStringLiteral("Cannot create the token secret %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    file.setPermissions(ownerOnly);
    const QByteArray secret = SecureRandom::bytes(48).toHex();
    if (file.write(secret) != secret.size() || !file.flush()) {
        *error = QStringLiteral("Cannot write the token secret %1: %2").arg(path, file.errorString());
        file.remove();
        return std::nullopt;
    }
    return secret;
}
