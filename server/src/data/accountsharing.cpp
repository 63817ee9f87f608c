#include "data/accountsharing.h"

#include "storage/sharerepository.h"
#include "storage/timestamps.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {
const QString accountType = QStringLiteral("account");
const QString categoryType = QStringLiteral("category");
} // namespace

AccountSharing::AccountSharing(SyncRepository &rows, ShareRepository &shares)
    : m_rows(rows)
    , m_shares(shares)
{
}

bool AccountSharing::begin(const SyncRepository::Row &account, const QString &memberId)
{
    const ShareRepository::Share share{account.clientId, account.ownerId, memberId, QStringLiteral("member"),
                                       Timestamps::nowText()};
    return m_shares.insert(share) && deliverAccount(account, memberId, false);
}

bool AccountSharing::end(const SyncRepository::Row &account, const QString &memberId)
{
    return m_shares.remove(account.clientId, memberId) && deliverAccount(account, memberId, true);
}

bool AccountSharing::endAllOf(const QString &userId)
{
    const QList<ShareRepository::Share> shares = m_shares.sharesInvolving(userId);
    for (const ShareRepository::Share &share : shares) {
        const std::optional<SyncRepository::Row> account = m_rows.find(accountType, QString(), share.accountId);
        if (!account || !end(*account, share.memberId))
            return false;
    }
    return true;
}

bool AccountSharing::deliverAccount(const SyncRepository::Row &account, const QString &memberId, bool asDeleted)
{
    // The counter is locked first, so no push can commit a row of the account
    // unseen between the reading below and this transaction's commit.
    if (!m_rows.reserveChangeNumbers(0))
        return false;
    const QList<SyncRepository::Row> rows = m_rows.rowsOfAccount(account.ownerId, account.clientId);
    QList<SyncRepository::Row> categories;
    if (!asDeleted) {
        QSet<QString> categoryIds;
        for (const SyncRepository::Row &row : rows) {
            const QString categoryId
                = QJsonDocument::fromJson(row.payload).object().value(QStringLiteral("category_id")).toString();
            if (!categoryId.isEmpty())
                categoryIds.insert(categoryId);
        }
        // A category id the member has among their own rows stays theirs.
        for (const QString &categoryId : std::as_const(categoryIds)) {
            const auto ownersCategory = m_rows.find(categoryType, account.ownerId, categoryId);
            if (ownersCategory && !m_rows.find(categoryType, memberId, categoryId))
                categories.append(*ownersCategory);
        }
    }
    const qsizetype count = rows.size() + categories.size() + 1;
    const std::optional<qint64> last = m_rows.reserveChangeNumbers(int(count));
    if (!last)
        return false;
    qint64 next = *last - count + 1;
    for (const SyncRepository::Row &row : rows + categories) {
        if (!m_rows.deliver(memberId, row.serverId, next++, asDeleted))
            return false;
    }
    return m_rows.setChangeSeq(account.serverId, next);
}
