#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

#include "core/dblayer.h"
#include "tests/support/testrows.h"

// Rows the analysis tests need, written straight into the test database.
inline void AddUser(qint32 id, const QString& name, int order)
{
    AddUserRow(id, name, {{QStringLiteral("UserDataGetOrder"), order}});
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
    AddClientRow(id, QStringLiteral("客户%1").arg(id), 1, {{QStringLiteral("getClientType"), clientType}});
}

// Three users (张三 3, 李四 2, 王五 4 in list order) and their orders around September 2011:
// 张三 sells 123456.78 at a cost of 50000 in September, 7000 on 2011-08-31 and 8000 on 2011-10-01,
// and has one order never checked; 李四 sells three orders of 1000 at 2000 each; 王五 has one order
// without amounts; a creator without a user row sells 5000.
inline void AddSampleOrders()
{
    AddUser(2, QStringLiteral("张三"), 3);
    AddUser(3, QStringLiteral("李四"), 2);
    AddUser(4, QStringLiteral("王五"), 4);
    AddOrder(101, 2, QDate(2011, 9, 1), 100000.00, 50000.00);
    AddOrder(102, 2, QDate(2011, 9, 30), 23456.78, 0.0);
    AddOrder(103, 2, QDate(), 99999.00, 0.0);
    AddOrder(201, 3, QDate(2011, 9, 5), 1000.0, 2000.0);
    AddOrder(202, 3, QDate(2011, 9, 6), 1000.0, 2000.0);
    AddOrder(203, 3, QDate(2011, 9, 7), 1000.0, 2000.0);
    AddOrder(301, 4, QDate(2011, 9, 9), QVariant(), QVariant());
    AddOrder(901, 99, QDate(2011, 9, 10), 5000.0, 0.0);
    AddOrder(401, 2, QDate(2011, 8, 31), 7000.0, 0.0);
    AddOrder(402, 2, QDate(2011, 10, 1), 8000.0, 0.0);
}

// Clients of the classification ClientType: three 企业客户, one 个人客户, one without a value and
// one with a value the table does not hold.
inline void AddSampleClients()
{
    AddClient(1, 2);
    AddClient(2, 2);
    AddClient(3, 2);
    AddClient(4, 1);
    AddClient(5, 0);
    AddClient(6, 99);
}
