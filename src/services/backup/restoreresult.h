#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What a restore did: the rows it wrote and skipped, or why it wrote none.
// A restore is all or nothing, so with any error the counts are 0 and the
// register is as it was.
class RestoreResult
{
    Q_DECLARE_TR_FUNCTIONS(RestoreResult)

public:
    int written() const { return m_written; }
    int skipped() const { return m_skipped; }
    QStringList errors() const { return m_errors; }
    bool succeeded() const { return m_errors.isEmpty(); }

    // "Import Complete", or "Import Failed" when nothing was restored.
    QString title() const;
    // "Imported %1 items, skipped %2." and, with errors, how many.
    QString summary() const;

    void addWritten() { ++m_written; }
    void addSkipped() { ++m_skipped; }
    void addError(const QString& error) { m_errors.append(error); }
    void addErrors(const QStringList& errors) { m_errors.append(errors); }
    // Nothing stayed written: the counts go back to 0.
    void discardCounts();

private:
    int m_written = 0;
    int m_skipped = 0;
    QStringList m_errors;
};
