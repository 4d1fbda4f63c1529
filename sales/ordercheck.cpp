#include "sales/ordercheck.h"

#include <QDate>

#include "core/dblayer.h"
#include "core/writelog.h"
#include "platform/transaction.h"
#include "sales/salesnumbers.h"

QString OrderCheckInfo(qint32 orderId)
{
    Recordset rs;
    rs.Open(QStringLiteral("select ordercost, OrderSell from orderdata where orderid = ?"), Conn, {orderId});
    const auto amount = [&rs](const QString& field) {
        return rs.Eof() || rs.Value(field).isNull() ? QString() : AmountText(rs.Number(field));
    };
    return QStringLiteral("订单成本：%1\r\n订单售价：%2")
        .arg(amount(QStringLiteral("ordercost")), amount(QStringLiteral("OrderSell")));
}

void SaveOrderCheck(qint32 orderId, double realSell, bool checked, bool finished)
{
    Transaction tx(Conn);
    Conn.exec(
        QStringLiteral("update orderdata set realsell = ?, orderischeck = ?, orderisover = ?, overdate = ? "
                       "where orderid = ?"),
        {realSell, checked, finished, QDate::currentDate(), orderId});
    WriteLog(LogModify, LogOrderCheck, orderId);
    tx.commit();
}
