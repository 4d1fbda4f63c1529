#pragma once

#include <QString>
#include <QVariantList>

#include "core/dblayer.h"
#include "core/session.h"
#include "tests/support/testrows.h"

// The six classifications of the shipped database, as the main window loads them.
inline void LoadShippedClassifications()
{
    SixClassTables = {QStringLiteral("ClientType"),   QStringLiteral("ClientSource"),
                      QStringLiteral("ClientLevel"),  QStringLiteral("ClientTrade"),
                      QStringLiteral("ClientStatus"), QStringLiteral("ClientCredit")};
    SixClassNames = {QStringLiteral("客户类型"), QStringLiteral("客户来源"), QStringLiteral("客户等级"),
                     QStringLiteral("所属行业"), QStringLiteral("客户状态"), QStringLiteral("信用等级")};
}

inline void AddUser(qint32 id, const QString& name)
{
    AddUserRow(id, name);
}

inline void AddClient(qint32 id, const QString& name, const QString& pinyin, qint32 owner, qint32 type = 0,
                      qint32 source = 0)
{
    AddClientRow(id, name, owner,
                 {{QStringLiteral("ClientPinyin"), pinyin},
                  {QStringLiteral("sex"), -1},
                  {QStringLiteral("Birthday"), QStringLiteral("1980-05-17")},
                  {QStringLiteral("getClientType"), type},
                  {QStringLiteral("getClientSource"), source}});
}

inline void AddContact(qint32 contractId, qint32 owner, qint32 kind, const QVariant& data,
                       bool company = false)
{
    Conn.exec(QStringLiteral(
                  "insert into Contract (ContractID, GetID, GetContractClassID, ContractData, iscompany) "
                  "values (?, ?, ?, ?, ?)"),
              {contractId, owner, kind, data, company ? -1 : 0});
}
