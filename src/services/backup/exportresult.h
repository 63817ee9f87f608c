#pragma once

#include <QCoreApplication>
#include <QString>

// What an export did: the archive saved at a path with so many rows, or why
// no archive was saved (a file that was there before stays as it was).
class ExportResult
{
    Q_DECLARE_TR_FUNCTIONS(ExportResult)

public:
    static ExportResult saved(const QString& path, qint64 rowCount);
    static ExportResult failed(const QString& path, const QString& reason);

    bool succeeded() const { return m_succeeded; }
    QString path() const { return m_path; }
    qint64 rowCount() const { return m_rowCount; }
    // Why it failed, in plain words; empty after success.
    QString reason() const { return m_reason; }

    // "Backup Complete" or "Backup Failed".
    QString title() const;
    // "Backup saved to:\n%1", or "Could not write to:\n%1" and the reason.
    QString message() const;

private:
    bool m_succeeded = false;
    QString m_path;
    qint64 m_rowCount = 0;
    QString m_reason;
};
