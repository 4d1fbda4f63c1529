#include "clients/clienttotext.h"

#include <QApplication>
#include <QClipboard>

#include "core/dblayer.h"
#include "core/session.h"
#include "platform/prompts.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Tab = QStringLiteral("\t");

QString numberText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

// "name：value" for each classification the client has a value of, three to a line.
QString classificationLines(const Recordset& client)
{
    QString text;
    int written = 0;
    Recordset value;
    for (int i = 0; i < SixClassTables.size(); ++i) {
        const QString& table = SixClassTables.at(i);
        const qint64 id = client.Int(QStringLiteral("get") + table);
        if (id <= 0)
            continue;
        value.Open(QStringLiteral("select * from %1 where %2 = ?")
                       .arg(QuoteIdentifier(table), QuoteIdentifier(table + QStringLiteral("id"))),
                   Conn, {id});
        if (!value.Eof()) {
            ++written;
            text += SixClassNames.value(i) + QStringLiteral("：") +
                    value.Text(table + QStringLiteral("name")) + (written == 3 ? CrLf : Tab);
        }
        value.Close();
    }
    return text;
}

// The first entry alone on its line, the following ones three to a line.
QString contactLines(qint64 clientId)
{
    QString text;
    Recordset rs;
    rs.Open(QStringLiteral("select * from Contract, ContractClass where GetContractClassID = ContractClassID "
                           "and iscompany = 0 and GetID = ? order by ContractClassID, Contract.rowid"),
            Conn, {clientId});
    for (int k = 1; !rs.Eof(); rs.MoveNext(), ++k) {
        const QVariant data = rs.Value(QStringLiteral("ContractData"));
        if (data.isNull())
            continue;
        text += rs.Text(QStringLiteral("ContractClassName")) + QStringLiteral("：") + data.toString() +
                (k % 3 == 1 ? CrLf : Tab + Tab);
    }
    return text;
}

QString card(const Recordset& c)
{
    QString text = QStringLiteral("客户姓名：") + c.Text(QStringLiteral("clientname")) + Tab +
                   QStringLiteral("性别：") +
                   (c.Bool(QStringLiteral("sex")) ? QStringLiteral("男") : QStringLiteral("女"));
    const QString personcard = c.Text(QStringLiteral("personcard"));
    if (personcard.size() == 15 || personcard.size() == 18)
        text += Tab + QStringLiteral("身份证号：") + personcard;
    text += Tab + QStringLiteral("出生日期：") + c.Text(QStringLiteral("Birthday"));
    text += Tab + QStringLiteral("年龄：") + numberText(c.Value(QStringLiteral("Age")));
    text += Tab + QStringLiteral("薪水：") + numberText(c.Value(QStringLiteral("salary"))) + CrLf;
    const QString address = c.Text(QStringLiteral("address"));
    if (address.size() > 10)
        text += QStringLiteral("地址：") + address + Tab;
    const QString zipcode = c.Text(QStringLiteral("zipcode"));
    if (zipcode.size() == 6)
        text += QStringLiteral("邮编：") + zipcode;
    text += CrLf + CrLf + classificationLines(c) + CrLf + CrLf;
    text += contactLines(c.Int(QStringLiteral("clientid"))) + CrLf + CrLf;
    const QString remark = c.Text(QStringLiteral("remark"));
    if (remark.size() > 10)
        text += QStringLiteral("备注：") + remark + Tab;
    return text;
}

} // namespace

QString ClientToText(qint32 ClientId)
{
    Recordset rs;
    if (ClientId >= 1)
        rs.Open(QStringLiteral("select * from client where clientid = ?"), Conn, {ClientId});
    else
        rs.Open(QStringLiteral("select * from client where createuser = ?"), Conn, {CurUserID});
    QString text;
    for (bool first = true; !rs.Eof(); rs.MoveNext(), first = false) {
        if (!first)
            text += CrLf + CrLf + QString(36, QLatin1Char('-')) + CrLf + CrLf;
        text += card(rs);
    }
    return text;
}

void ExportClientsToClipboard()
{
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ClientToText(0));
    MsgBox(QStringLiteral("资料已以文本形存在剪切板内，您可以打开WORD或记事本，直接粘贴即可。"),
           MsgButtons::Ok, QStringLiteral("导出资料"));
}
