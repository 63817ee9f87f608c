#include "services/backup/backuparchivereader.h"

#include <quazip.h>
#include <unzip.h>

#include <limits>

namespace {

constexpr quint16 encryptedFlag = 0x1;
constexpr quint16 storedMethod = 0;
constexpr quint16 deflatedMethod = 8;
// Names without it are in the system's encoding, as QuaZip reads them.
constexpr uLong utf8NameFlag = 0x800;

// True when `name` stays inside the archive's own folders wherever it is
// unpacked: no absolute path, drive, parent folder, backslash or NUL.
bool isSafeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QChar(0)) || name.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral("..")) && !parts.contains(QStringLiteral("."));
}

} // namespace

BackupArchiveReader::BackupArchiveReader(QIODevice* device)
    : m_zip(std::make_unique<QuaZip>(device))
{
    m_zip->setAutoClose(false);
}

BackupArchiveReader::~BackupArchiveReader()
{
    m_zip->close();
}

bool BackupArchiveReader::fail(const QString& reason)
{
    m_errors.append(reason);
    return false;
}

bool BackupArchiveReader::open()
{
    if (!m_zip->open(QuaZip::mdUnzip))
        return fail(tr("Failed to open ZIP archive"));
    // The directory is walked with zlib's own calls: QuaZip's would build a
    // second directory by name and a date for every entry.
    unzFile archive = m_zip->getUnzFile();
    QByteArray name;
    int walked = UNZ_OK;
    for (walked = unzGoToFirstFile(archive); walked == UNZ_OK; walked = unzGoToNextFile(archive)) {
        unz_file_info64 info{};
        unz64_file_pos position{};
        name.resize(std::numeric_limits<quint16>::max());
        if (unzGetCurrentFileInfo64(archive, &info, name.data(), uLong(name.size()), nullptr, 0, nullptr, 0) != UNZ_OK
            || unzGetFilePos64(archive, &position) != UNZ_OK)
            return fail(tr("Failed to open ZIP archive"));
        name.truncate(qsizetype(info.size_filename));
        const QString text = (info.flag & utf8NameFlag) != 0 ? QString::fromUtf8(name) : QString::fromLocal8Bit(name);
        const auto size = qint64(qMin<quint64>(info.uncompressed_size, quint64(maxTotalSize) + 1));
        checkEntry(text, quint16(info.flag), quint16(info.compression_method), size,
            qint64(qMin<quint64>(info.compressed_size, quint64(maxTotalSize))));
        m_entries.append({text, position.pos_in_zip_directory, position.num_of_file, size});
    }
    // A directory cut short (a truncated or damaged file) ends the walk early.
    if (walked != UNZ_END_OF_LIST_OF_FILE)
        return fail(tr("Failed to open ZIP archive"));
    if (m_declaredTotal > maxTotalSize)
        m_errors.append(tr("The archive would unpack to more than %n GB.", nullptr, int(maxTotalSize >> 30)));
    return m_errors.isEmpty();
}

void BackupArchiveReader::checkEntry(
    const QString& name, quint16 flags, quint16 method, qint64 size, qint64 compressedSize)
{
    m_declaredTotal += size;
    if (!isSafeName(name))
        m_errors.append(tr("%1: unsafe entry name").arg(QString(name).replace(QChar(0), QLatin1String("\\0"))));
    else if ((flags & encryptedFlag) != 0 || (method != storedMethod && method != deflatedMethod))
        m_errors.append(tr("%1: encrypted or compressed in an unknown way").arg(name));
    else if (size > maxEntrySize)
        m_errors.append(tr("%1: larger than any row file").arg(name));
    else if (size >= ratioCheckedFrom && size > maxCompressionRatio * compressedSize)
        m_errors.append(tr("%1: compressed beyond any row file (a zip bomb)").arg(name));
}

int BackupArchiveReader::indexOf(const QString& name) const
{
    for (int entry = 0; entry < m_entries.size(); ++entry) {
        if (m_entries.at(entry).name == name)
            return entry;
    }
    return -1;
}

bool BackupArchiveReader::read(int entry, QByteArray& bytes)
{
    const Entry& wanted = m_entries.at(entry);
    // Straight to the entry by its place in the directory, without a search
    // by name through every entry before it.
    unzFile archive = m_zip->getUnzFile();
    unz64_file_pos position{wanted.directoryOffset, wanted.number};
    if (unzGoToFilePos64(archive, &position) != UNZ_OK || unzOpenCurrentFile(archive) != UNZ_OK)
        return fail(tr("%1: unreadable").arg(wanted.name));
    // One byte past the stated size tells an entry that inflates to more
    // than its directory claims.
    bytes.resize(wanted.size + 1);
    qint64 got = 0;
    int chunk = 0;
    while (got < bytes.size()
        && (chunk = unzReadCurrentFile(archive, bytes.data() + got, unsigned(bytes.size() - got))) > 0)
        got += chunk;
    // Closing compares the checksum of an entry read to its end.
    const int closed = unzCloseCurrentFile(archive);
    m_inflatedTotal += got;
    if (chunk < 0 || closed != UNZ_OK)
        return fail(tr("%1: damaged").arg(wanted.name));
    if (got != wanted.size || m_inflatedTotal > maxTotalSize)
        return fail(tr("%1: does not unpack to the size the archive states").arg(wanted.name));
    bytes.truncate(got);
    return true;
}
