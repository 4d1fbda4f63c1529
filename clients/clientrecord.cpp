#include "clients/clientrecord.h"

#include <cmath>

#include "clients/checkid.h"
#include "clients/companyrecord.h"
#include "clients/recordsave.h"
#include "controls/datefield.h"
#include "controls/foxdate.h"
#include "core/dblayer.h"
#include "core/pinyin.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/recordset.h"
#include "platform/transaction.h"

namespace {

QString classColumn(const QString& table)
{
    return QStringLiteral("get") + table;
}

} // namespace

ClientFields NewClientFields(qsizetype classCount)
{
    ClientFields fields;
    fields.birthday = QStringLiteral("1960年01月01日");
    fields.salary = QStringLiteral("0");
    fields.addressCode = DefaultAreaCode;
    fields.classIds = QList<qint32>(classCount, 0);
    return fields;
}

bool LoadClientFields(qint32 clientId, const QStringList& classTables, ClientFields& fields)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from client where clientid = ?"), Conn, {clientId});
    if (rs.Eof())
        return false;
    fields = ClientFields();
    fields.name = rs.Text(QStringLiteral("clientname"));
    fields.sex = rs.Bool(QStringLiteral("sex"));
    fields.personCard = rs.Text(QStringLiteral("personcard"));
    fields.birthday = rs.Value(QStringLiteral("Birthday")).toDate().toString(QStringLiteral("yyyy-MM-dd"));
    fields.zipcode = rs.Text(QStringLiteral("zipcode"));
    fields.salary = QString::number(rs.Int(QStringLiteral("salary")));
    fields.address = rs.Text(QStringLiteral("address"));
    fields.remark = rs.Text(QStringLiteral("remark"));
    fields.addressCode = static_cast<qint32>(rs.Int(QStringLiteral("addresscode")));
    for (const QString& table : classTables) {
        const QString column = classColumn(table);
        fields.classIds.append(rs.HasField(column) ? static_cast<qint32>(rs.Int(column)) : 0);
    }
    const QVariant company =
        Conn.scalar(QStringLiteral("select companyname from company where companyid = ?"),
                    {rs.Int(QStringLiteral("GetCompany"))});
    if (!company.isNull()) {
        fields.companyName = company.toString();
        fields.companyId = static_cast<qint32>(rs.Int(QStringLiteral("GetCompany")));
    }
    return true;
}

qint64 SalaryValue(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    // Beyond what a whole number column holds exactly counts as no number either.
    if (!ok || !std::isfinite(value) || std::fabs(value) >= 1e15)
        return 0;
    return static_cast<qint64>(std::floor(value));
}

bool HasIdNumberShape(const QString& code)
{
    if (code.size() != 15 && code.size() != 18)
        return false;
    for (const QChar c : code.left(17)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

void TrimClientFields(ClientFields& fields, QList<ContractEntry>& entries)
{
    for (QString* text : {&fields.name, &fields.personCard, &fields.birthday, &fields.companyName,
                          &fields.address, &fields.remark, &fields.zipcode})
        *text = TrimText(*text);
    TrimContractEntries(entries);
}

QStringList CheckClientFields(const ClientFields& fields, QList<ContractEntry>& entries)
{
    QStringList lines;
    if (fields.name.isEmpty())
        lines << QStringLiteral("、名字不能为空！");
    const QString& card = fields.personCard;
    if (!card.isEmpty()) {
        if (!HasIdNumberShape(card))
            lines << QStringLiteral("、身份证号必须为18位或15位的数字！");
        else if (!CheckId().SetCode(card))
            lines << QStringLiteral("、身份证分解发生未知错误！你可以删除号码，或改成15位进行尝试。");
    }
    CheckContractEntries(entries, true, lines);
    return lines;
}

qint32 FindOwnCompany(const QString& name)
{
    return Conn
        .scalar(QStringLiteral("select companyid from company where createuser = ? and companyname = ? "
                               "order by rowid limit 1"),
                {CurUserID, name})
        .toInt();
}

SavedClient SaveClient(qint32 clientId, const ClientFields& fields, const QStringList& classTables,
                       const QList<ContractEntry>& entries, const QString& newCompanyName)
{
    Transaction transaction(Conn);
    SavedClient saved{clientId, fields.companyId};
    if (!newCompanyName.isEmpty())
        saved.companyId = AddNamedCompany(newCompanyName);

    const QDate today = QDate::currentDate();
    Recordset rs;
    rs.Open(QStringLiteral("select * from client where clientid = ?"), Conn, {clientId});
    const StoredRow stored = StoreOwnedRow(rs, QStringLiteral("clientid"), clientId, [&] {
        rs.SetValue(QStringLiteral("GetCompany"), saved.companyId);
        rs.SetValue(QStringLiteral("LastChangeDate"), today);
        rs.SetValue(QStringLiteral("clientname"), fields.name);
        rs.SetValue(QStringLiteral("ClientPinyin"), GetPinyinInitials(fields.name));
        rs.SetValue(QStringLiteral("sex"), fields.sex);
        rs.SetValue(QStringLiteral("personcard"), fields.personCard);
        rs.SetValue(QStringLiteral("Birthday"), DateField::readBox(fields.birthday));
        rs.SetValue(QStringLiteral("zipcode"), fields.zipcode);
        rs.SetValue(QStringLiteral("salary"), SalaryValue(fields.salary));
        rs.SetValue(QStringLiteral("address"), fields.address);
        rs.SetValue(QStringLiteral("addresscode"), fields.addressCode);
        rs.SetValue(QStringLiteral("remark"), fields.remark);
        for (qsizetype i = 0; i < classTables.size(); ++i)
            rs.SetValue(classColumn(classTables.at(i)), fields.classIds.value(i));
    });
    rs.Close();
    saved.clientId = stored.key;
    WriteLog(stored.added ? LogAdd : LogModify, LogClient, saved.clientId);
    SaveContracts(entries, saved.clientId, false);
    transaction.commit();
    return saved;
}
