#pragma once

#include <QHostAddress>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// What the server is told at start: each option from the command line, or
// else from its KESTRELWOOD_* environment variable, or else its default.
class ServerOptions
{
public:
    // The client id the program is built with unless AUTH_CLIENT_ID says otherwise.
    static const QString defaultClientId;

    QHostAddress listenAddress{QHostAddress::LocalHost};
    quint16 port = 8080;
    QString dataDir;
    QString databaseUrl;
    QString realm = QStringLiteral("kestrelwood");
    QStringList clientIds;
    QString feedDir;
    QString tokenSecretFile;
    // Raw secret text from KESTRELWOOD_TOKEN_SECRET; never from the command
    // line, where every user of the machine could read it.
    QByteArray tokenSecret;
    QString tlsCertificateFile;
    QString tlsKeyFile;
    bool helpRequested = false;
    QString helpText;
    // --version: print the application's version and stop.
    bool versionRequested = false;

    // Nothing, with `error` set, when an option is malformed.
    static std::optional<ServerOptions> parse(const QStringList &arguments,
                                              const QProcessEnvironment &environment,
                                              QString *error);
};
