#include "services/backup/backupentryfeed.h"

#include "services/backup/backuparchivereader.h"
#include "services/backup/rowjson.h"

#include <QThread>

namespace {

// A few hundred entries under way at most: enough to keep the writing side
// busy while the reading side waits for a processor, and no more than a few
// hundred kilobytes.
constexpr std::size_t chunkSize = 64;
constexpr std::size_t chunksAhead = 4;

} // namespace

BackupEntryFeed::BackupEntryFeed(BackupArchiveReader& archive, QList<int> entries)
    : m_archive(archive)
    , m_entries(std::move(entries))
    , m_thread(QThread::create([this] { run(); }))
{
    m_thread->start();
}

BackupEntryFeed::~BackupEntryFeed()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_consumed.wakeAll();
    }
    m_thread->wait();
}

BackupEntryFeed::Entry BackupEntryFeed::next()
{
    if (m_taken == m_entries.size())
        return {};
    ++m_taken;
    if (m_nextInChunk == m_taking.size()) {
        QMutexLocker lock(&m_mutex);
        while (m_ready.empty())
            m_produced.wait(&m_mutex);
        m_taking = std::move(m_ready.front());
        m_ready.pop_front();
        m_nextInChunk = 0;
        m_consumed.wakeOne();
    }
    return std::move(m_taking[m_nextInChunk++]);
}

void BackupEntryFeed::run()
{
    QByteArray bytes;
    std::vector<Entry> chunk;
    for (const int index : m_entries) {
        Entry& entry = chunk.emplace_back();
        if (m_archive.read(index, bytes))
            entry.object = RowJson::read(bytes);
        else
            entry.readError = m_archive.errors().constLast();
        if (chunk.size() == chunkSize && !handOver(chunk))
            return;
    }
    if (!chunk.empty())
        handOver(chunk);
}

bool BackupEntryFeed::handOver(std::vector<Entry>& chunk)
{
    QMutexLocker lock(&m_mutex);
    while (m_ready.size() >= chunksAhead && !m_stopping)
        m_consumed.wait(&m_mutex);
    if (m_stopping)
        return false;
    m_ready.push_back(std::exchange(chunk, {}));
    m_produced.wakeOne();
    return true;
}
