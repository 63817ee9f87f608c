#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Reads the row files of a restore on a thread of its own, a little ahead
// of the rows being written: inflating, parsing and checking them then take
// one processor while the database takes the other. `Item` is what `read`
// makes of an entry's bytes on that thread; items come out in the order of
// the entries, and no more than a few hundred wait at a time, so the archive
// is still read entry by entry.
//
// While the feed lives, its thread alone reads the archive, and `read` must
// touch nothing the caller changes meanwhile. Destroying the feed stops and
// joins the thread.
template<typename Item>
class BackupEntryFeed
{
public:
    // Makes the item of entry `entry`: its bytes, or none when it could not
    // be read.
    using Read = std::function<Item(int entry, const QByteArray* bytes)>;
    // Inflates entry `entry` into `bytes`; false when it cannot.
    using Inflate = std::function<bool(int entry, QByteArray& bytes)>;

    BackupEntryFeed(QList<int> entries, Inflate inflate, Read read)
        : m_entries(std::move(entries))
        , m_inflate(std::move(inflate))
        , m_read(std::move(read))
        , m_thread(QThread::create([this] { run(); }))
    {
        m_thread->start();
    }
    ~BackupEntryFeed()
    {
        {
            QMutexLocker lock(&m_mutex);
            m_stopping = true;
            m_consumed.wakeAll();
        }
        m_thread->wait();
    }
    BackupEntryFeed(const BackupEntryFeed&) = delete;
    BackupEntryFeed& operator=(const BackupEntryFeed&) = delete;

    // The item of the next entry, waiting for it when need be; a default
    // item once the list is through.
    Item next()
    {
        if (m_taken == m_entries.size())
            return Item();
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

private:
    // Items pass between the threads a chunk at a time, so the threads meet
    // at the lock once per chunk rather than once per entry.
    static constexpr std::size_t chunkSize = 64;
    static constexpr std::size_t chunksAhead = 4;

    void run()
    {
        QByteArray bytes;
        std::vector<Item> chunk;
        for (const int entry : m_entries) {
            chunk.push_back(m_read(entry, m_inflate(entry, bytes) ? &bytes : nullptr));
            if (chunk.size() == chunkSize && !handOver(chunk))
                return;
        }
        if (!chunk.empty())
            handOver(chunk);
    }

    // Hands `chunk` over, waiting while enough are ready; false once the
    // feed stops.
    bool handOver(std::vector<Item>& chunk)
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

    const QList<int> m_entries;
    const Inflate m_inflate;
    const Read m_read;
    qsizetype m_taken = 0;
    std::vector<Item> m_taking;
    std::size_t m_nextInChunk = 0;
    QMutex m_mutex;
    QWaitCondition m_produced;
    QWaitCondition m_consumed;
    std::deque<std::vector<Item>> m_ready;
    bool m_stopping = false;
    std::unique_ptr<QThread> m_thread;
};
