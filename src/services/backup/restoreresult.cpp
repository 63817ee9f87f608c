#include "services/backup/restoreresult.h"

QString RestoreResult::title() const
{
    return succeeded() ? tr("Import Complete") : tr("Import Failed");
}

QString RestoreResult::summary() const
{
    QString text = tr("Imported %1 items, skipped %2.").arg(m_written).arg(m_skipped);
    if (!m_errors.isEmpty())
        text += tr("\n\n%n error(s) occurred.", nullptr, int(m_errors.size()));
    return text;
}

void RestoreResult::discardCounts()
{
    m_written = 0;
    m_skipped = 0;
}
