#include "account/accountpurge.h"

#include "data/accountsharing.h"
#include "storage/accounteraser.h"
#include "storage/database.h"
#include "storage/grouprepository.h"
#include "storage/timestamps.h"

#include <QTimer>

AccountPurge::AccountPurge(Database &database, AccountEraser &eraser, GroupRepository &groups,
                           AccountSharing &sharing, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_eraser(eraser)
    , m_groups(groups)
    , m_sharing(sharing)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(60 * 60 * 1000);
    connect(m_timer, &QTimer::timeout, this, [this] { purgeDue(QDateTime::currentDateTimeUtc()); });
}

void AccountPurge::start()
{
    purgeDue(QDateTime::currentDateTimeUtc());
    m_timer->start();
}

int AccountPurge::purgeDue(const QDateTime &now)
{
    int purged = 0;
    const QStringList due = m_eraser.usersDueBefore(Timestamps::toText(now));
    for (const QString &userId : due) {
        if (purge(userId))
            ++purged;
        else
            qWarning("AccountPurge: the account %s could not be deleted; trying again later", qPrintable(userId));
    }
    if (purged > 0)
        qInfo("AccountPurge: %d account(s) deleted after their grace period", purged);
    return purged;
}

bool AccountPurge::purge(const QString &userId)
{
    if (!m_database.beginTransaction())
        return false;
    bool done = m_sharing.endAllOf(userId);
    if (const auto membership = m_groups.membershipOf(userId); done && membership) {
        // An owner's group goes with them; a member's seat is freed.
        done = membership->role == QLatin1String("owner")
                   ? m_groups.remove(membership->groupId)
                   : m_groups.removeMember(membership->groupId, userId) && m_groups.releaseSeat(membership->groupId);
    }
    if (!done || !m_eraser.erase(userId) || !m_database.commit()) {
        m_database.rollback();
        return false;
    }
    return true;
}
