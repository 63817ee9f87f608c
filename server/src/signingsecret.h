#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class ServerOptions;

// The key that signs access tokens: given in the environment, read from a
// named file, or generated once into the data folder readable by its owner
// only. Every instance behind one load balancer must share it.
class SigningSecret
{
public:
    static constexpr int minimumBytes = 32;

    static std::optional<QByteArray> load(const ServerOptions &options, QString *error);
    // Creates `dir` owner-only when missing, like the data folder itself.
    static bool ensurePrivateDirectory(const QString &dir, QString *error);

private:
    static std::optional<QByteArray> readFile(const QString &path, QString *error);
    static std::optional<QByteArray> createFile(const QString &path, QString *error);
};
