#include "analysis/classcount.h"

#include "platform/database.h"
#include "platform/recordset.h"

namespace ClassCount {

QString Sql(const QString& table)
{
    const QString t = QuoteIdentifier(table);
    const QString id = QuoteIdentifier(table + QStringLiteral("id"));
    const QString link = QuoteIdentifier(QStringLiteral("Get") + table);
    // Only links to a row of T are counted; values no client carries do not appear.
    return QStringLiteral("select * from %1,(select %3 as CountId,count(%3) as CountOrder from client,%1 "
                          "where %2=%3 group by %3) where CountId=%2 order by CountOrder")
        .arg(t, id, link);
}

Result Run(Database& db, const QString& table, const QString& caption)
{
    Result result;
    // Counted now, so that the remainder matches the per-value counts of this same run.
    result.totalClients =
        qint32(db.scalar(QStringLiteral("select count(clientid) as clientcount from client")).toLongLong());
    result.title = caption + QStringLiteral("分析(总客户数量：") + QString::number(result.totalClients) +
                   QLatin1Char(')');
    Recordset rs;
    rs.Open(Sql(table), db);
    const QString nameField = table + QStringLiteral("name");
    qint32 sum = 0;
    while (!rs.Eof()) {
        Item item;
        item.name = rs.Text(nameField);
        item.count = qint32(rs.Int(QStringLiteral("CountOrder")));
        item.label = item.name + QLatin1Char('(') + QString::number(item.count) + QLatin1Char(')');
        sum += item.count;
        result.items.append(item);
        rs.MoveNext();
    }
    if (result.totalClients < 1) {
        result.items.clear();
        return result;
    }
    const qint32 rest = result.totalClients - sum;
    result.items.append(
        {Undefined, rest, Undefined + QLatin1Char('(') + QString::number(rest) + QLatin1Char(')')});
    return result;
}

} // namespace ClassCount
