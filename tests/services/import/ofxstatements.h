#pragma once

// OFX statements written for tests, as a bank's download would have them.

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

struct StatementRow
{
    QDate date;
    QByteArray amount;
    QByteArray name;
    // Left out of the row when empty.
    QByteArray fitid;
    // DTPOSTED as written, in place of the date, when not empty.
    QByteArray stamp = {};
};

// An OFX 1.02 (SGML) bank statement of one account.
inline QByteArray ofxStatement(const QList<StatementRow>& rows, const QByteArray& currency = "USD",
    const QByteArray& accountNumber = "000012345678", const QByteArray& type = "CHECKING")
{
    QByteArray text = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\n"
                      "CHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n"
                      "<OFX><SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS><DTSERVER>20240601"
                      "<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0"
                      "<SEVERITY>INFO</STATUS><STMTRS><CURDEF>"
        + currency + "<BANKACCTFROM><BANKID>021000021<ACCTID>" + accountNumber + "<ACCTTYPE>" + type
        + "</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240601\n";
    for (const StatementRow& row : rows) {
        text += "<STMTTRN><TRNTYPE>OTHER<DTPOSTED>"
            + (row.stamp.isEmpty() ? row.date.toString(QStringLiteral("yyyyMMdd")).toLatin1() : row.stamp)
            + "<TRNAMT>" + row.amount + (row.fitid.isEmpty() ? QByteArray() : "<FITID>" + row.fitid) + "<NAME>" + row.name
            + "</STMTTRN>\n";
    }
    return text + "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20240601</LEDGERBAL></STMTRS></STMTTRNRS>"
                  "</BANKMSGSRSV1></OFX>\n";
}
