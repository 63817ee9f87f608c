#include "services/backup/backuparchivewriter.h"

#include <QFileDevice>
#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

namespace {

// zlib's defaults, as any ZIP tool deflates; negative window bits give the
// raw deflate data a ZIP entry holds.
constexpr int windowBits = -MAX_WBITS;
constexpr int memoryLevel = 8;

} // namespace

BackupArchiveWriter::BackupArchiveWriter(QIODevice* device)
    : m_zip(std::make_unique<QuaZip>(device))
{
    m_zip->setAutoClose(false);
    m_zip->setZip64Enabled(true);
}

BackupArchiveWriter::~BackupArchiveWriter()
{
    m_zip->close();
    if (m_streamReady)
        deflateEnd(&m_stream);
}

bool BackupArchiveWriter::open()
{
    m_streamReady =
        deflateInit2(&m_stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, windowBits, memoryLevel, Z_DEFAULT_STRATEGY) == Z_OK;
    return m_streamReady && m_zip->open(QuaZip::mdCreate);
}

bool BackupArchiveWriter::deflated(const QByteArray& bytes, QByteArray& out)
{
    if (deflateReset(&m_stream) != Z_OK)
        return false;
    out.resize(qsizetype(deflateBound(&m_stream, uLong(bytes.size()))));
    m_stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    m_stream.avail_in = uInt(bytes.size());
    m_stream.next_out = reinterpret_cast<Bytef*>(out.data());
    m_stream.avail_out = uInt(out.size());
    if (deflate(&m_stream, Z_FINISH) != Z_STREAM_END)
        return false;
    out.resize(qsizetype(m_stream.total_out));
    return true;
}

bool BackupArchiveWriter::add(const QString& name, const QByteArray& bytes, const QDateTime& time)
{
    if (!deflated(bytes, m_buffer))
        return false;
    QuaZipNewInfo info(name);
    info.dateTime = time;
    info.uncompressedSize = ulong(bytes.size());
    info.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto checksum = quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())));
    QuaZipFile entry(m_zip.get());
    if (!entry.open(QIODevice::WriteOnly, info, nullptr, checksum, Z_DEFLATED, Z_DEFAULT_COMPRESSION, true))
        return false;
    const bool written = entry.write(m_buffer) == m_buffer.size();
    entry.close();
    return written && entry.getZipError() == ZIP_OK;
}

bool BackupArchiveWriter::close()
{
    m_zip->close();
    return m_zip->getZipError() == ZIP_OK;
}
