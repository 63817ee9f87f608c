#pragma once

#include <QJsonObject>
#include <QList>
#include <QMutex>
#include <QString>
#include <QWaitCondition>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

class BackupArchiveReader;
class QThread;

// Inflates and parses the row files of a restore on a thread of its own, a
// little ahead of the rows being written: reading the archive then takes
// one processor while the database takes the other. Entries come out in the
// order asked for, each parsed once; no more than a few hundred wait at a
// time, so the archive is still read entry by entry.
//
// While the feed lives, its thread alone reads `archive`; names of entries
// may still be looked up. Destroying the feed stops and joins the thread.
class BackupEntryFeed
{
public:
    struct Entry
    {
        // The row file's object; none when it is no JSON object or could not
        // be read.
        std::optional<QJsonObject> object;
        // Why the entry could not be read; empty when it was.
        QString readError;
    };

    BackupEntryFeed(BackupArchiveReader& archive, QList<int> entries);
    ~BackupEntryFeed();
    BackupEntryFeed(const BackupEntryFeed&) = delete;
    BackupEntryFeed& operator=(const BackupEntryFeed&) = delete;

    // The next entry of the list, waiting for it when need be; an empty
    // entry once the list is through.
    Entry next();

private:
    void run();
    // Hands `chunk` over, waiting while enough are ready; false once the
    // feed stops.
    bool handOver(std::vector<Entry>& chunk);

    BackupArchiveReader& m_archive;
    const QList<int> m_entries;
    qsizetype m_taken = 0;
    // Entries pass between the threads a chunk at a time, so the threads
    // meet at the lock once per chunk rather than once per entry.
    std::vector<Entry> m_taking;
    std::size_t m_nextInChunk = 0;
    QMutex m_mutex;
    QWaitCondition m_produced;
    QWaitCondition m_consumed;
    std::deque<std::vector<Entry>> m_ready;
    bool m_stopping = false;
    std::unique_ptr<QThread> m_thread;
};
