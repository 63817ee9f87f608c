#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <memory>
#include <zlib.h>

class QIODevice;
class QuaZip;

// Writes a standard ZIP archive (zip64 once it holds more than 65,535
// entries) to a seekable device, one deflated entry at a time. One deflate
// stream serves every entry: starting zlib afresh for each of a hundred
// thousand small row files cost more than compressing them.
class BackupArchiveWriter
{
public:
    explicit BackupArchiveWriter(QIODevice* device);
    ~BackupArchiveWriter();
    BackupArchiveWriter(const BackupArchiveWriter&) = delete;
    BackupArchiveWriter& operator=(const BackupArchiveWriter&) = delete;

    [[nodiscard]] bool open();
    // Adds `bytes` under `name`, stamped `time` and readable by its owner
    // only when unpacked.
    [[nodiscard]] bool add(const QString& name, const QByteArray& bytes, const QDateTime& time);
    // Writes the archive's directory; false when any of it failed.
    [[nodiscard]] bool close();

private:
    bool deflated(const QByteArray& bytes, QByteArray& out);

    std::unique_ptr<QuaZip> m_zip;
    z_stream m_stream{};
    bool m_streamReady = false;
    QByteArray m_buffer;
};
