#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include "core/dblayer.h"

// Rows the analysis tests need, written straight into the test database.
inline void AddUser(qint32 id, const QString& name, int order)
{
    Conn.exec(QStringLiteral("insert into userdata (userid, username, GetUserClassID, UserDataGetOrder) "
                             "values (?, ?, 1, ?)"),
              {id, name, order});
}

// An order finished on overdate (a null QDate: never checked); a null amount stays empty.
inline void AddOrder(qint32 id, qint32 user, const QDate& overdate, const QVariant& realsell,
                     const QVariant& ordercost)
{
    Conn.exec(QStringLiteral("insert into orderdata (orderid, createuser, overdate, realsell, ordercost, "
                             "orderischeck, orderisover) values (?, ?, ?, ?, ?, -1, -1)"),
              {id, user, overdate.isValid() ? QVariant(overdate) : QVariant(), realsell, ordercost});
}

inline void AddClient(qint32 id, qint32 clientType)
{
    Conn.exec(QStringLiteral("insert into client (clientid, clientname, createuser, getClientType) "
                             "values (?, ?, 1, ?)"),
              {id, QStringLiteral("客户%1").arg(id), clientType});
}
