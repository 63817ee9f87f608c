#include "services/backup/backupentryfeed.h"

#include "services/backup/backuparchivereader.h"
#include "services/backup/rowjson.h"

#include <QThread>

namespace {

// Enough to keep the writing side busy while the reading side waits for a
// processor, few enough to hold no more than a few hundred kilobytes.
constexpr std::size_t readAhead = 256;

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
    QMutexLocker lock(&m_mutex);
    while (m_ready.empty())
        m_produced.wait(&m_mutex);
    Entry entry = std::move(m_ready.front());
    m_ready.pop_front();
    m_consumed.wakeOne();
    return entry;
}

void BackupEntryFeed::run()
{
    QByteArray bytes;
    for (const int index : m_entries) {
        Entry entry;
        if (m_archive.read(index, bytes))
            entry.object = RowJson::read(bytes);
        else
            entry.readError = m_archive.errors().constLast();
        QMutexLocker lock(&m_mutex);
        while (m_ready.size() >= readAhead && !m_stopping)
            m_consumed.wait(&m_mutex);
        if (m_stopping)
            return;
        m_ready.push_back(std::move(entry));
        m_produced.wakeOne();
    }
}
