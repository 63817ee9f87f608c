#pragma once

#include <QDateTime>
#include <QObject>

class AccountEraser;
class AccountSharing;
class Database;
class GroupRepository;
class QTimer;

// Deletes for good the accounts whose 30 days of grace have passed: at start
// and then every hour.
class AccountPurge : public QObject
{
    Q_OBJECT

public:
    AccountPurge(Database &database, AccountEraser &eraser, GroupRepository &groups, AccountSharing &sharing,
                 QObject *parent = nullptr);

    void start();
    // The number of accounts deleted.
    int purgeDue(const QDateTime &now);

private:
    bool purge(const QString &userId);

    Database &m_database;
    AccountEraser &m_eraser;
    GroupRepository &m_groups;
    AccountSharing &m_sharing;
    QTimer *m_timer;
};
