#include "clients/companyrecord.h"

#include <QDate>

#include "clients/recordsave.h"
#include "core/dblayer.h"
#include "core/pinyin.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/recordset.h"
#include "platform/transaction.h"

bool LoadCompanyFields(qint32 companyId, CompanyFields& fields)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from company where companyid = ?"), Conn, {companyId});
    if (rs.Eof())
        return false;
    fields.name = rs.Text(QStringLiteral("companyname"));
    fields.shortName = rs.Text(QStringLiteral("CompanyShortName"));
    fields.bank = rs.Text(QStringLiteral("Bank"));
    fields.bankCode = rs.Text(QStringLiteral("BankCode"));
    fields.address = rs.Text(QStringLiteral("address"));
    fields.introduce = rs.Text(QStringLiteral("Introduce"));
    fields.remark = rs.Text(QStringLiteral("remark"));
    const qint64 code = rs.Int(QStringLiteral("addresscode"));
    fields.addressCode = code > 0 ? static_cast<qint32>(code) : DefaultAreaCode;
    return true;
}

void TrimCompanyFields(CompanyFields& fields, QList<ContractEntry>& entries)
{
    for (QString* text : {&fields.name, &fields.shortName, &fields.bank, &fields.bankCode, &fields.address,
                          &fields.introduce, &fields.remark})
        *text = TrimText(*text);
    TrimContractEntries(entries);
}

QStringList CheckCompanyFields(const CompanyFields& fields, QList<ContractEntry>& entries)
{
    QStringList lines;
    if (fields.name.isEmpty())
        lines << QStringLiteral("、公司全称不能为空！");
    CheckContractEntries(entries, false, lines);
    return lines;
}

qint32 SaveCompany(qint32 companyId, const CompanyFields& fields, const QList<ContractEntry>& entries)
{
    Transaction transaction(Conn);
    const QDate today = QDate::currentDate();
    Recordset rs;
    rs.Open(QStringLiteral("select * from company where companyid = ?"), Conn, {companyId});
    const StoredRow stored = StoreOwnedRow(rs, QStringLiteral("companyid"), companyId, [&] {
        rs.SetValue(QStringLiteral("LastChangeDate"), today);
        rs.SetValue(QStringLiteral("companyname"), fields.name);
        rs.SetValue(QStringLiteral("companyPinyin"), GetPinyinInitials(fields.name));
        rs.SetValue(QStringLiteral("CompanyShortName"), fields.shortName);
        rs.SetValue(QStringLiteral("Bank"), fields.bank);
        rs.SetValue(QStringLiteral("BankCode"), fields.bankCode);
        rs.SetValue(QStringLiteral("address"), fields.address);
        rs.SetValue(QStringLiteral("addresscode"), fields.addressCode);
        rs.SetValue(QStringLiteral("Introduce"), fields.introduce);
        rs.SetValue(QStringLiteral("remark"), fields.remark);
    });
    rs.Close();
    companyId = stored.key;
    WriteLog(stored.added ? LogAdd : LogModify, LogCompany, companyId);
    SaveContracts(entries, companyId, true);
    transaction.commit();
    return companyId;
}

qint32 AddNamedCompany(const QString& name)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from company where companyid = 0"), Conn);
    const qint32 companyId = AddNewWithRandomId(rs, QStringLiteral("companyid"), [&] {
        rs.SetValue(QStringLiteral("createDate"), QDate::currentDate());
        rs.SetValue(QStringLiteral("createuser"), CurUserID);
        rs.SetValue(QStringLiteral("companyname"), name);
        // Its initials too, so that the picker and the company list find it by them.
        rs.SetValue(QStringLiteral("companyPinyin"), GetPinyinInitials(name));
    });
    rs.Close();
    WriteLog(LogAdd, LogCompany, companyId);
    return companyId;
}
