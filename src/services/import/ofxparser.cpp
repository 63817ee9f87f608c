#include "services/import/ofxparser.h"

#include "services/import/textdecoder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTimeZone>
#include <QTemporaryFile>

#include <algorithm>
#include <libofx/libofx.h>

namespace {

// The statements being read, by the account id libofx gives each callback.
struct Reading
{
    QList<OfxStatement> statements;
    QHash<QString, qsizetype> indexByAccount;
    // The posted dates as the bank wrote them, by transaction id.
    QHash<QString, QDate> writtenDates;

    OfxStatement& statementFor(const QString& accountKey)
    {
        if (const auto found = indexByAccount.constFind(accountKey); found != indexByAccount.constEnd())
            return statements[found.value()];
        OfxStatement statement;
        statement.accountKey = accountKey;
        indexByAccount.insert(accountKey, statements.size());
        statements.append(statement);
        return statements.last();
    }
};

// libofx hands over the file's text as it found it: UTF-8 for most files,
// a Windows code page for some older SGML ones.
QString text(const char* value, int valid)
{
    return valid ? TextDecoder::decode(QByteArray(value)).trimmed() : QString();
}

QString lastFourDigits(const QString& accountNumber)
{
    QString digits;
    for (const QChar c : accountNumber) {
        if (c.isDigit())
            digits.append(c);
    }
    return digits.right(4);
}

AccountType accountType(const OfxAccountData& account)
{
    if (!account.account_type_valid)
        return AccountType::Checking;
    switch (account.account_type) {
    case OfxAccountData::OFX_SAVINGS:
    case OfxAccountData::OFX_MONEYMRKT: return AccountType::Savings;
    case OfxAccountData::OFX_CREDITLINE:
    case OfxAccountData::OFX_CREDITCARD: return AccountType::CreditCard;
    case OfxAccountData::OFX_INVESTMENT:
    case OfxAccountData::OFX_401K: return AccountType::Investment;
    case OfxAccountData::OFX_CHECKING:
    case OfxAccountData::OFX_CMA: break;
    }
    return AccountType::Checking;
}

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text of the first `tag` element in `row`, up to the next tag.
QByteArray elementText(const QByteArray& row, const QByteArray& tag)
{
    const qsizetype start = row.indexOf(tag);
    if (start < 0)
        return {};
    const qsizetype valueStart = start + tag.size();
    const qsizetype end = row.indexOf('<', valueStart);
    return row.mid(valueStart, end < 0 ? -1 : end - valueStart).trimmed();
}

// The posted date of each transaction as the bank wrote it (the first eight
// digits of DTPOSTED, invalid for an impossible date such as 20120231), by
// its FITID. libofx turns a stamp into an instant, which a late hour or a
// zone moves onto another day, and it carries an impossible day over into
// the next month. An id written with two different dates is left out.
QHash<QString, QDate> writtenDates(const QByteArray& bytes)
{
    const QByteArray open("<STMTTRN>");
    QHash<QString, QDate> dates;
    QSet<QString> ambiguous;
    for (qsizetype start = bytes.indexOf(open); start >= 0;) {
        const qsizetype next = bytes.indexOf(open, start + open.size());
        const QByteArray row = bytes.mid(start, next < 0 ? -1 : next - start);
        start = next;
        const QString id = TextDecoder::decode(elementText(row, "<FITID>")).trimmed();
        const QByteArray stamp = elementText(row, "<DTPOSTED>");
        if (id.isEmpty() || stamp.size() < 8 || !std::all_of(stamp.begin(), stamp.begin() + 8, isAsciiDigit))
            continue;
        const QDate date = QDate::fromString(QString::fromLatin1(stamp.left(8)), QStringLiteral("yyyyMMdd"));
        if (const auto known = dates.constFind(id); known != dates.constEnd() && *known != date)
            ambiguous.insert(id);
        dates.insert(id, date);
    }
    for (const QString& id : std::as_const(ambiguous))
        dates.remove(id);
    return dates;
}

// The posted date as the bank wrote it where the row's id tells which
// stamp was its; else the day libofx's instant falls on in UTC, where libofx
// places a date without an hour (10:59).
QDate postedDate(const OfxTransactionData& data, const Reading& reading, const QString& fitid)
{
    // An empty or missing DTPOSTED reaches us as the epoch.
    if (!data.date_posted_valid || data.date_posted <= 0)
        return QDate();
    if (const auto written = reading.writtenDates.constFind(fitid); !fitid.isEmpty() && written != reading.writtenDates.constEnd())
        return *written;
    return QDateTime::fromSecsSinceEpoch(qint64(data.date_posted), QTimeZone::utc()).date();
}

// A check number of zeros is how some banks write "none".
QString checkNumber(const OfxTransactionData& data)
{
    const QString number = text(data.check_number, data.check_number_valid);
    return number.count(QLatin1Char('0')) == number.size() ? QString() : number;
}

int onAccount(const OfxAccountData data, void* reading)
{
    if (!data.account_id_valid)
        return 0;
    OfxStatement& statement = static_cast<Reading*>(reading)->statementFor(text(data.account_id, true));
    statement.type = accountType(data);
    statement.lastFour = lastFourDigits(text(data.account_number, data.account_number_valid));
    statement.bankId = text(data.bank_id, data.bank_id_valid);
    if (data.currency_valid)
        statement.currency = text(data.currency, true).toUpper();
    return 0;
}

int onStatement(const OfxStatementData data, void* reading)
{
    if (data.account_id_valid && data.currency_valid)
        static_cast<Reading*>(reading)->statementFor(text(data.account_id, true)).currency = text(data.currency, true).toUpper();
    return 0;
}

int onTransaction(const OfxTransactionData data, void* reading)
{
    auto* read = static_cast<Reading*>(reading);
    OfxRecord record;
    record.fitid = text(data.fi_id, data.fi_id_valid);
    record.date = postedDate(data, *read, record.fitid);
    if (data.amount_valid)
        record.amount = data.amount;
    record.name = text(data.name, data.name_valid);
    record.memo = text(data.memo, data.memo_valid);
    record.checkNumber = checkNumber(data);
    read->statementFor(text(data.account_id, data.account_id_valid)).records.append(record);
    return 0;
}

// libofx writes its parser's progress and complaints to standard error
// unless told otherwise; a malformed row is counted by the import instead.
void silenceLibofx()
{
    for (int* flag : {&ofx_PARSER_msg, &ofx_DEBUG_msg, &ofx_DEBUG1_msg, &ofx_DEBUG2_msg, &ofx_DEBUG3_msg, &ofx_DEBUG4_msg,
             &ofx_DEBUG5_msg, &ofx_STATUS_msg, &ofx_INFO_msg, &ofx_WARNING_msg, &ofx_ERROR_msg, &ofx_show_position})
        *flag = 0;
}

void readFile(const QString& path, Reading& reading)
{
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_account_cb(context, onAccount, &reading);
    ofx_set_statement_cb(context, onStatement, &reading);
    ofx_set_transaction_cb(context, onTransaction, &reading);
    // The result only says whether the SGML was perfect; what was read counts.
    libofx_proc_file(context, QFile::encodeName(path).constData(), OFX);
    libofx_free_context(context);
}

constexpr qsizetype rowsPerPart = 1000;

// libofx files each transaction by walking every node it holds so far, so
// a statement costs the square of its length: 20,000 rows take seconds. A
// file of one long transaction list is therefore read in parts, each the
// whole file with only its share of the rows. Anything else is read whole.
QList<QByteArray> parts(const QByteArray& bytes)
{
    const QByteArray listStart("<BANKTRANLIST>");
    const qsizetype list = bytes.indexOf(listStart);
    const qsizetype listEnd = bytes.indexOf("</BANKTRANLIST>", list);
    const qsizetype first = bytes.indexOf("<STMTTRN>", list);
    if (list < 0 || listEnd < 0 || bytes.indexOf(listStart, list + 1) >= 0 || first < 0 || first > listEnd)
        return {bytes};
    const QByteArray rowEnd("</STMTTRN>");
    QList<qsizetype> ends;
    for (qsizetype end = bytes.indexOf(rowEnd, first); end >= 0 && end < listEnd; end = bytes.indexOf(rowEnd, end + 1))
        ends.append(end + rowEnd.size());
    if (ends.size() <= rowsPerPart)
        return {bytes};
    const QByteArray before = bytes.left(first);
    const QByteArray after = bytes.mid(ends.constLast());
    QList<QByteArray> split;
    qsizetype start = first;
    for (qsizetype row = rowsPerPart; row < ends.size() + rowsPerPart; row += rowsPerPart) {
        const qsizetype end = ends.at(std::min(row, ends.size()) - 1);
        split.append(before + bytes.mid(start, end - start) + after);
        start = end;
    }
    return split;
}

} // namespace

QList<OfxStatement> OfxParser::parse(const QString& path)
{
    // libofx reports a file it cannot open like one without statements,
    // after complaining about it; and it reads a directory as an empty file.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    silenceLibofx();
    Reading reading;
    const QByteArray bytes = file.readAll();
    reading.writtenDates = writtenDates(bytes);
    const QList<QByteArray> split = parts(bytes);
    if (split.size() == 1) {
        readFile(path, reading);
    } else {
        for (const QByteArray& bytes : split) {
            QTemporaryFile part;
            if (!part.open() || part.write(bytes) != bytes.size() || !part.flush())
                return {};
            readFile(part.fileName(), reading);
        }
    }
    // Transactions of an account the file never described are no statement.
    reading.statements.removeIf([](const OfxStatement& statement) { return statement.accountKey.isEmpty(); });
    return reading.statements;
}
