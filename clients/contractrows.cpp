#include "clients/contractrows.h"

#include "core/dblayer.h"
#include "core/mail.h"
#include "platform/recordset.h"
#include "platform/transaction.h"

namespace {

// The join of entries and kinds; the owner condition and the order follow.
const QString JoinedSelect =
    QStringLiteral("select * from Contract, ContractClass where GetContractClassID = ContractClassID and ");

QList<StoredContract> readStored(const QString& sql, const QVariantList& params)
{
    QList<StoredContract> rows;
    Recordset rs;
    rs.Open(sql, Conn, params);
    for (; !rs.Eof(); rs.MoveNext()) {
        rows.append(StoredContract{static_cast<qint32>(rs.Int(QStringLiteral("ContractID"))),
                                   static_cast<qint32>(rs.Int(QStringLiteral("GetContractClassID"))),
                                   rs.Text(QStringLiteral("ContractData")),
                                   rs.Bool(QStringLiteral("iscompany")),
                                   rs.Text(QStringLiteral("ButtonName"))});
    }
    rs.Close();
    return rows;
}

QString ownerCondition(bool isCompany)
{
    return isCompany ? QStringLiteral("iscompany <> 0") : QStringLiteral("iscompany = 0");
}

} // namespace

bool HasActionButton(const QString& buttonName)
{
    return buttonName.size() > 2;
}

QList<ContractKind> LoadContractKinds()
{
    QList<ContractKind> kinds;
    Recordset rs;
    rs.Open(QStringLiteral("select * from ContractClass order by ContractClassOrder, rowid"), Conn);
    for (; !rs.Eof(); rs.MoveNext()) {
        kinds.append(ContractKind{static_cast<qint32>(rs.Int(QStringLiteral("ContractClassID"))),
                                  rs.Text(QStringLiteral("ContractClassname")),
                                  rs.Text(QStringLiteral("ButtonName"))});
    }
    rs.Close();
    return kinds;
}

QString ContractButtonName(qint32 kindId)
{
    return Conn
        .scalar(QStringLiteral("select ButtonName from ContractClass where ContractClassID = ?"), {kindId})
        .toString();
}

QList<StoredContract> LoadClientContracts(qint32 clientId, qint32 companyId)
{
    // The client's own entries (iscompany 0) before the company's, whatever True is stored as.
    return readStored(JoinedSelect +
                          QStringLiteral("((GetID = ? and iscompany = 0) or (GetID = ? and iscompany <> 0)) "
                                         "order by (iscompany <> 0), ContractClassOrder, ContractID desc"),
                      {clientId, companyId});
}

QList<StoredContract> LoadCompanyContracts(qint32 companyId)
{
    return readStored(
        JoinedSelect +
            QStringLiteral("GetID = ? and iscompany <> 0 order by ContractClassOrder, ContractID desc"),
        {companyId});
}

void TrimContractEntries(QList<ContractEntry>& entries)
{
    for (ContractEntry& entry : entries)
        entry.text = TrimText(entry.text);
}

void CheckContractEntries(QList<ContractEntry>& entries, bool completeWebAddresses, QStringList& lines)
{
    for (const ContractEntry& entry : entries) {
        if (!entry.removed && entry.text.isEmpty()) {
            lines << QStringLiteral("、部分联系方式为空！");
            break;
        }
    }
    for (ContractEntry& entry : entries) {
        if (entry.removed || entry.text.isEmpty())
            continue;
        if (entry.kindName == MailKindName && !IsValidEmail(entry.text))
            lines << QStringLiteral("、[") + entry.text + QStringLiteral("]为非有效电子邮箱！");
        else if (completeWebAddresses && entry.kindName == WebKindName &&
                 !entry.text.contains(QStringLiteral("://")))
            entry.text = QStringLiteral("http://") + entry.text;
    }
}

void SaveContracts(const QList<ContractEntry>& entries, qint32 ownerId, bool isCompany)
{
    Transaction transaction(Conn);
    const QString where = ownerCondition(isCompany) + QStringLiteral(" and ContractID = ?");
    for (const ContractEntry& entry : entries) {
        if (entry.readOnly)
            continue;
        const qint64 key = entry.key.toLongLong();
        if (entry.removed) {
            if (key != 0)
                Conn.exec(QStringLiteral("delete from Contract where ") + where, {key});
            continue;
        }
        Recordset rs;
        rs.Open(QStringLiteral("select * from Contract where ") + where, Conn, {key});
        const auto fill = [&] {
            rs.SetValue(QStringLiteral("GetContractClassID"), entry.kindId);
            rs.SetValue(QStringLiteral("ContractData"), entry.text);
            rs.SetValue(QStringLiteral("GetID"), ownerId);
            rs.SetValue(QStringLiteral("iscompany"), isCompany);
        };
        // A stored row keeps its key; a new one gets a fresh one.
        if (rs.Eof()) {
            AddNewWithRandomId(rs, QStringLiteral("ContractID"), fill);
        } else {
            fill();
            rs.Update();
        }
        rs.Close();
    }
    transaction.commit();
}
