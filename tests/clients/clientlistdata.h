#pragma once

#include <QString>
#include <QVariantList>

#include "core/dblayer.h"
#include "core/session.h"

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
    Conn.exec(QStringLiteral("insert into userdata (userid, username, GetUserClassID) values (?, ?, 1)"),
              {id, name});
}

inline void AddClient(qint32 id, const QString& name, const QString& pinyin, qint32 owner, qint32 type = 0,
                      qint32 source = 0)
{
    Conn.exec(
        QStringLiteral("insert into client (clientid, clientname, ClientPinyin, createuser, sex, Birthday, "
                       "getClientType, getClientSource) values (?, ?, ?, ?, -1, '1980-05-17', ?, ?)"),
        {id, name, pinyin, owner, type, source});
}

inline void AddContact(qint32 contractId, qint32 owner, qint32 kind, const QVariant& data,
                       bool company = false)
{
    Conn.exec(QStringLiteral(
                  "insert into Contract (ContractID, GetID, GetContractClassID, ContractData, iscompany) "
                  "values (?, ?, ?, ?, ?)"),
              {contractId, owner, kind, data, company ? -1 : 0});
}
