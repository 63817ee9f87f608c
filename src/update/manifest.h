#pragma once

#include "update/artifact.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace KestUpdate {

// The release feed's "latest.json": the newest release's build for each
// platform.
struct Manifest
{
    Q_DECLARE_TR_FUNCTIONS(Manifest)

public:
    int schema = 0;
    QString app;
    QString channel;
    // Platform key and build, in the file's order.
    QList<std::pair<QString, Artifact>> artifacts;

    std::optional<Artifact> artifactFor(const QString& platform) const;

    // The manifest `json` holds, or why it holds none (the first fault
    // found). Every field is checked: a feed is input from the network.
    static std::optional<Manifest> parse(const QByteArray& json, QString* error);
};

} // namespace KestUpdate
