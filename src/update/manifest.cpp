#include "update/manifest.h"

#include "update/version.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace KestUpdate {

namespace {

constexpr int supportedSchema = 1;
constexpr qsizetype sha256Length = 64;

// The string member `key`, or nothing (with the error) when it is absent or
// not a string.
std::optional<QString> stringMember(const QJsonObject& object, const QString& key, QString* error)
{
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        *error = Manifest::tr("missing or non-string field: %1").arg(key);
        return std::nullopt;
    }
    return value.toString();
}

std::optional<Artifact> parseArtifact(const QJsonObject& object, QString* error)
{
    Artifact artifact;
    const auto version = stringMember(object, QStringLiteral("version"), error);
    const auto releasedAt = version ? stringMember(object, QStringLiteral("released_at"), error) : std::nullopt;
    const auto url = releasedAt ? stringMember(object, QStringLiteral("url"), error) : std::nullopt;
    const auto sha256 = url ? stringMember(object, QStringLiteral("sha256"), error) : std::nullopt;
    if (!sha256)
        return std::nullopt;
    artifact.version = *version;
    artifact.releasedAt = QDateTime::fromString(*releasedAt, Qt::ISODate);
    artifact.url = QUrl(*url, QUrl::StrictMode);
    artifact.size = qint64(object.value(QStringLiteral("size")).toDouble(-1));
    artifact.sha256 = *sha256;
    artifact.mandatory = object.value(QStringLiteral("mandatory")).toBool(false);
    artifact.minUpgradableFrom = object.value(QStringLiteral("min_upgradable_from")).toString();
    const QString notes = object.value(QStringLiteral("release_notes_url")).toString();
    if (!notes.isEmpty())
        artifact.releaseNotesUrl = QUrl(notes, QUrl::StrictMode);
    return artifact;
}

// A version that does not read as a release number would compare as 0.0.0
// and never be offered, or be offered wrongly: the feed is broken.
bool isValid(const Artifact& artifact)
{
    return !artifact.version.isEmpty() && Version::isWellFormed(artifact.version) && artifact.releasedAt.isValid()
        && artifact.url.isValid() && artifact.size >= 1 && artifact.sha256.size() == sha256Length
        && (artifact.minUpgradableFrom.isEmpty() || Version::isWellFormed(artifact.minUpgradableFrom));
}

bool readArtifacts(const QJsonObject& artifacts, Manifest& manifest, QString* error)
{
    for (auto member = artifacts.constBegin(); member != artifacts.constEnd(); ++member) {
        if (!member.value().isObject()) {
            *error = Manifest::tr("artifact %1 is not an object").arg(member.key());
            return false;
        }
        const std::optional<Artifact> artifact = parseArtifact(member.value().toObject(), error);
        if (!artifact)
            return false;
        if (!isValid(*artifact)) {
            *error = Manifest::tr("artifact %1 failed validation").arg(member.key());
            return false;
        }
        manifest.artifacts.append({member.key(), *artifact});
    }
    return true;
}

} // namespace

std::optional<Artifact> Manifest::artifactFor(const QString& platform) const
{
    for (const auto& [key, artifact] : artifacts) {
        if (key == platform)
            return artifact;
    }
    return std::nullopt;
}

std::optional<Manifest> Manifest::parse(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = Manifest::tr("JSON parse error: %1").arg(parseError.errorString());
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = Manifest::tr("manifest root is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    Manifest manifest;
    const QJsonValue schema = root.value(QStringLiteral("schema"));
    if (!schema.isDouble()) {
        *error = Manifest::tr("missing or non-integer field: schema");
        return std::nullopt;
    }
    manifest.schema = schema.toInt();
    if (manifest.schema != supportedSchema || schema.toDouble() != double(manifest.schema)) {
        *error = Manifest::tr("unsupported manifest schema: %1 (expected %2)").arg(schema.toDouble()).arg(supportedSchema);
        return std::nullopt;
    }
    const auto app = stringMember(root, QStringLiteral("app"), error);
    const auto channel = app ? stringMember(root, QStringLiteral("channel"), error) : std::nullopt;
    if (!channel)
        return std::nullopt;
    manifest.app = *app;
    manifest.channel = *channel;
    if (!root.value(QStringLiteral("artifacts")).isObject()) {
        *error = Manifest::tr("missing or non-object field: artifacts");
        return std::nullopt;
    }
    if (!readArtifacts(root.value(QStringLiteral("artifacts")).toObject(), manifest, error))
        return std::nullopt;
    if (manifest.app.isEmpty() || manifest.channel.isEmpty() || manifest.artifacts.isEmpty()) {
        *error = Manifest::tr("manifest failed validation");
        return std::nullopt;
    }
    return manifest;
}

} // namespace KestUpdate
