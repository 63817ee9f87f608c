#include "services/backup/exportresult.h"

#include <QDir>

ExportResult ExportResult::saved(const QString& path, qint64 rowCount)
{
    ExportResult result;
    result.m_succeeded = true;
    result.m_path = path;
    result.m_rowCount = rowCount;
    return result;
}

ExportResult ExportResult::failed(const QString& path, const QString& reason)
{
    ExportResult result;
    result.m_path = path;
    result.m_reason = reason;
    return result;
}

QString ExportResult::title() const
{
    return m_succeeded ? tr("Backup Complete") : tr("Backup Failed");
}

QString ExportResult::message() const
{
    const QString shownPath = QDir::toNativeSeparators(m_path);
    if (m_succeeded)
        return tr("Backup saved to:\n%1").arg(shownPath);
    return tr("Could not write to:\n%1").arg(shownPath) + QStringLiteral("\n\n") + m_reason;
}
