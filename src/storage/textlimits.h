#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The longest texts the editors accept. Longer texts that are already stored
// (restored from a backup, or typed on another device) are kept as they are
// and shown cut.
constexpr int maxMemoLength = 1000;
// Payees, account names, institutions and category names.
constexpr int maxNameLength = 200;

// `text` as a one-line label or cell shows it: cut after a valid memo's
// length and ended with "…". Laying out a stored text of a megabyte froze the
// window for seconds, and no screen line shows more than this anyway.
inline QString shownText(const QString& text)
{
    if (text.size() <= maxMemoLength)
        return text;
    // A character outside the basic plane is never split in half.
    const qsizetype kept = text.at(maxMemoLength - 1).isHighSurrogate() ? maxMemoLength - 1 : maxMemoLength;
    return text.left(kept) + QChar(0x2026);
}

// The stored payees a payee field can complete to: choosing one longer than
// the field accepts would cut it.
inline QStringList payeeCompletions(const QStringList& payees)
{
    QStringList fitting;
    for (const QString& payee : payees) {
        if (payee.size() <= maxNameLength)
            fitting.append(payee);
    }
    return fitting;
}
