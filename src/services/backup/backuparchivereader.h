#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QIODevice;
class QuaZip;

// Reads a backup archive from a file or device one entry at a time, never
// holding more than one entry in memory, and refuses what no backup holds
// before anything is inflated: names that would leave the archive's
// folders, entries above a row file's size, and archives that would inflate
// beyond reason (zip bombs). Sizes are checked twice: as the archive's
// directory states them, and again while inflating.
class BackupArchiveReader
{
    Q_DECLARE_TR_FUNCTIONS(BackupArchiveReader)

public:
    // No row file or manifest comes near a megabyte.
    static constexpr qint64 maxEntrySize = 1024 * 1024;
    static constexpr qint64 maxTotalSize = 4LL * 1024 * 1024 * 1024;
    // Row files are a few hundred bytes of varied text and deflate two to
    // ten times; only a field repeating one character for pages squeezes
    // further, and none of a useful size does beyond this.
    static constexpr qint64 maxCompressionRatio = 100;
    static constexpr qint64 ratioCheckedFrom = 16 * 1024;

    explicit BackupArchiveReader(QIODevice* device);
    ~BackupArchiveReader();
    BackupArchiveReader(const BackupArchiveReader&) = delete;
    BackupArchiveReader& operator=(const BackupArchiveReader&) = delete;

    // Reads and checks the archive's directory. False with the reasons in
    // errors() when the device holds no ZIP archive or one this reader
    // refuses.
    [[nodiscard]] bool open();
    QStringList errors() const { return m_errors; }

    int entryCount() const { return int(m_entries.size()); }
    QString name(int entry) const { return m_entries.at(entry).name; }
    // The entry named `name`, or -1.
    int indexOf(const QString& name) const;
    // Puts the entry's bytes in `bytes`, whose room is reused from entry to
    // entry; false after a reason was added to errors().
    [[nodiscard]] bool read(int entry, QByteArray& bytes);

private:
    struct Entry
    {
        QString name;
        quint64 directoryOffset = 0;
        quint64 number = 0;
        qint64 size = 0;
    };
    void checkEntry(const QString& name, quint16 flags, quint16 method, qint64 size, qint64 compressedSize);
    bool fail(const QString& reason);

    std::unique_ptr<QuaZip> m_zip;
    QList<Entry> m_entries;
    QStringList m_errors;
    qint64 m_declaredTotal = 0;
    qint64 m_inflatedTotal = 0;
};
