#include "services/import/ofxparser.h"

#include "services/import/textdecoder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>

#include <libofx/libofx.h>

namespace {

// The statements being read, by the account id libofx gives each callback.
struct Reading
{
    QList<OfxStatement> statements;
    QHash<QString, qsizetype> indexByAccount;

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

// The posted date as libofx places it: a date alone is noon local time, a
// stamp with a zone is moved into the local zone.
QDate postedDate(const OfxTransactionData& data)
{
    // An empty or missing DTPOSTED reaches us as the epoch.
    if (!data.date_posted_valid || data.date_posted <= 0)
        return QDate();
    return QDateTime::fromSecsSinceEpoch(qint64(data.date_posted)).date();
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
    OfxRecord record;
    record.date = postedDate(data);
    if (data.amount_valid)
        record.amount = data.amount;
    record.fitid = text(data.fi_id, data.fi_id_valid);
    record.name = text(data.name, data.name_valid);
    record.memo = text(data.memo, data.memo_valid);
    record.checkNumber = checkNumber(data);
    static_cast<Reading*>(reading)->statementFor(text(data.account_id, data.account_id_valid)).records.append(record);
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
    const QList<QByteArray> split = parts(file.readAll());
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
