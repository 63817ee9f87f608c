#include "services/import/qifparser.h"

#include <QSet>
#include <QStringTokenizer>
#include <utility>

namespace {

enum class Section {
    Unknown,
    Transactions,
    AccountHeader,
    CategoryList,
    Metadata,
};

// The record being read and everything it has collected so far.
struct PendingRecord
{
    bool hasFields = false;
    bool hasDate = false;
    bool hasAmount = false;
    // A field that could not be read (a split amount that is no number).
    bool broken = false;
    bool inSplit = false;
    QifTransaction transaction;
    QifCategory category;
    QString accountName;
};

// Splits an L or S value into a category (class part dropped) or, in
// brackets, a transfer account.
void readCategoryField(const QString& value, QString& category, QString& transferAccount)
{
    if (value.startsWith(QLatin1Char('['))) {
        const qsizetype close = value.indexOf(QLatin1Char(']'));
        transferAccount = (close < 0 ? value.mid(1) : value.mid(1, close - 1)).trimmed();
        return;
    }
    category = value.section(QLatin1Char('/'), 0, 0).trimmed();
}

class Reader
{
public:
    explicit Reader(QifDateOrder order)
    {
        m_result.dateOrder = order;
    }

    void readLine(QStringView line)
    {
        while (!line.isEmpty() && (line.front() == QChar(0xFEFF) || line.front() == QLatin1Char('\r')))
            line = line.mid(1);
        line = line.trimmed();
        if (line.isEmpty())
            return;
        const QChar code = line.front();
        if (code == QLatin1Char('!')) {
            endRecord();
            m_section = sectionOf(line.toString());
            return;
        }
        if (code == QLatin1Char('^')) {
            endRecord();
            return;
        }
        readField(code, line.mid(1).trimmed().toString());
    }

    QifParseResult finish()
    {
        endRecord();
        return m_result;
    }

private:
    Section sectionOf(const QString& line)
    {
        const QString lower = line.toLower();
        if (lower.startsWith(QLatin1String("!type:"))) {
            const QString value = lower.mid(6).trimmed();
            if (value == QLatin1String("cat"))
                return Section::CategoryList;
            // Quicken's payee and budget lists hold no transactions either.
            static const QSet<QString> metadataLists{QStringLiteral("class"), QStringLiteral("memorized"),
                QStringLiteral("tag"), QStringLiteral("security"), QStringLiteral("prices"), QStringLiteral("payee"),
                QStringLiteral("budget")};
            if (metadataLists.contains(value))
                return Section::Metadata;
            m_listType = QifParser::listType(value);
            return Section::Transactions;
        }
        if (lower.startsWith(QLatin1String("!account")))
            return Section::AccountHeader;
        if (lower.startsWith(QLatin1String("!option")) || lower.startsWith(QLatin1String("!clear")))
            return Section::Metadata;
        return Section::Unknown;
    }

    void readField(QChar code, const QString& value)
    {
        m_record.hasFields = true;
        switch (m_section) {
        case Section::AccountHeader:
            if (code == QLatin1Char('N'))
                m_record.accountName = value;
            return;
        case Section::CategoryList:
            readCategoryListField(code, value);
            return;
        case Section::Metadata:
            return;
        case Section::Unknown:
        case Section::Transactions:
            readTransactionField(code, value);
            return;
        }
    }

    void readCategoryListField(QChar code, const QString& value)
    {
        if (code == QLatin1Char('N'))
            m_record.category.name = value;
        else if (code == QLatin1Char('D'))
            m_record.category.description = value;
        else if (code == QLatin1Char('I'))
            m_record.category.income = true;
        else if (code == QLatin1Char('E'))
            m_record.category.income = false;
    }

    void readTransactionField(QChar code, const QString& value)
    {
        QifTransaction& transaction = m_record.transaction;
        switch (code.unicode()) {
        case 'D':
            if (const QDate date = DateReader::readQif(value, m_result.dateOrder); date.isValid()) {
                transaction.date = date;
                m_record.hasDate = true;
            }
            break;
        case 'T':
        case 'U': setAmount(value); break;
        case 'P': transaction.payee = value; break;
        case 'M': transaction.memo = value; break;
        case 'N': transaction.checkNumber = value; break;
        case 'Y': transaction.security = value; break;
        case 'C': readClearedFlag(value); break;
        case 'L': readCategoryField(value, transaction.category, transaction.transferAccount); break;
        case 'S':
            transaction.splits.append(QifSplit());
            readCategoryField(value, transaction.splits.last().category, transaction.splits.last().transferAccount);
            m_record.inSplit = true;
            break;
        case 'E':
            if (m_record.inSplit)
                transaction.splits.last().memo = value;
            break;
        case '$':
            if (!m_record.inSplit) {
                setAmount(value);
            } else if (const std::optional<DecimalAmount> amount = AmountReader::readEitherMark(value)) {
                transaction.splits.last().amount = *amount;
            } else {
                m_record.broken = true;
            }
            break;
        default: break;
        }
    }

    void setAmount(const QString& value)
    {
        if (const std::optional<DecimalAmount> amount = AmountReader::readEitherMark(value)) {
            m_record.transaction.amount = *amount;
            m_record.hasAmount = true;
        }
    }

    void readClearedFlag(const QString& value)
    {
        const QChar flag = value.isEmpty() ? QChar() : value.at(0).toLower();
        if (flag == QLatin1Char('x') || flag == QLatin1Char('*') || flag == QLatin1Char('c'))
            m_record.transaction.cleared = true;
        else if (flag == QLatin1Char('r'))
            m_record.transaction.cleared = m_record.transaction.reconciled = true;
    }

    void endRecord()
    {
        PendingRecord record = std::exchange(m_record, PendingRecord());
        if (!record.hasFields)
            return;
        switch (m_section) {
        case Section::AccountHeader:
            if (!record.accountName.isEmpty())
                m_sourceAccount = record.accountName;
            return;
        case Section::CategoryList:
            if (!record.category.name.isEmpty())
                m_result.categories.append(record.category);
            return;
        case Section::Metadata:
            ++m_result.metadata;
            return;
        case Section::Unknown:
        case Section::Transactions:
            keepTransaction(record);
            return;
        }
    }

    void keepTransaction(PendingRecord& record)
    {
        if (!record.hasDate || !record.hasAmount || record.broken) {
            ++m_result.unparseable;
            return;
        }
        record.transaction.sourceAccount = m_sourceAccount;
        record.transaction.listType = m_listType;
        m_result.transactions.append(record.transaction);
        if (!m_sourceAccount.isEmpty() && !m_seenAccounts.contains(m_sourceAccount.toLower())) {
            m_seenAccounts.insert(m_sourceAccount.toLower());
            m_result.accounts.append({m_sourceAccount, m_listType});
        }
    }

    QifParseResult m_result;
    Section m_section = Section::Unknown;
    QifListType m_listType = QifListType::Bank;
    QString m_sourceAccount;
    QSet<QString> m_seenAccounts;
    PendingRecord m_record;
};

} // namespace

QifParseResult QifParser::parse(const QString& text, QifDateOrder order)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (order == QifDateOrder::Automatic) {
        QStringList dateLines;
        for (const QStringView line : QStringTokenizer(normalised, QLatin1Char('\n'))) {
            if (line.trimmed().startsWith(QLatin1Char('D')))
                dateLines.append(line.trimmed().toString());
        }
        order = DateReader::detectQifOrder(dateLines);
    }
    Reader reader(order);
    for (const QStringView line : QStringTokenizer(normalised, QLatin1Char('\n')))
        reader.readLine(line);
    return reader.finish();
}

QifListType QifParser::listType(const QString& value)
{
    const QString type = value.trimmed().toLower();
    if (type == QLatin1String("ccard"))
        return QifListType::CreditCard;
    if (type == QLatin1String("invst"))
        return QifListType::Investment;
    if (type == QLatin1String("cash"))
        return QifListType::Cash;
    if (type == QLatin1String("oth a"))
        return QifListType::OtherAsset;
    if (type == QLatin1String("oth l"))
        return QifListType::OtherLiability;
    return QifListType::Bank;
}
