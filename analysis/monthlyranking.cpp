#include "analysis/monthlyranking.h"

#include "analysis/analysisvalues.h"
#include "platform/database.h"
#include "platform/recordset.h"

namespace MonthlyRanking {

namespace {

QString measureExpression(int measure)
{
    switch (measure) {
    case Sales:
        return QStringLiteral("sum(realsell)");
    case GrossProfit:
        return QStringLiteral("sum(realsell-ordercost)");
    default:
        return QStringLiteral("count(userid)");
    }
}

QString titleOf(int measure, const QString& month, float total)
{
    switch (measure) {
    case Sales:
        return month + QStringLiteral(" 已结束订单销售额分析(共") + SingleText(total) +
               QStringLiteral("万元)");
    case GrossProfit:
        return month + QStringLiteral(" 已结束订单毛利分析(共") + SingleText(total) + QStringLiteral("万元)");
    default:
        return month + QStringLiteral(" 已结束订单数量分析(共") + SingleText(total) +
               QStringLiteral("份订单)");
    }
}

} // namespace

QString Sql(int measure)
{
    // Orders join the users who created them; users whose measure is not above 0 drop out.
    return QStringLiteral("select * from (select userid as newuserid,") + measureExpression(measure) +
           QStringLiteral(" as userCount from userdata,orderdata where overdate>=? and overdate<? "
                          "and userid=createuser group by userid) ,userdata "
                          "where userCount>0 and newuserid=userid order by userCount desc");
}

Result Run(Database& db, int measure, const QDate& firstDay)
{
    const QString month = QStringLiteral("%1年%2月").arg(firstDay.year()).arg(firstDay.month());
    Recordset rs;
    rs.Open(Sql(measure), db, {firstDay, NextMonthStart(firstDay)});
    Result result;
    while (!rs.Eof()) {
        Item item;
        item.userId = qint32(rs.Int(QStringLiteral("userid")));
        item.userName = rs.Text(QStringLiteral("username"));
        const double measured = rs.Number(QStringLiteral("userCount"));
        item.value = float(measure == OrderCount ? measured : TenThousandYuan(measured));
        item.label = item.userName + QLatin1Char('(') + SingleText(item.value) + QLatin1Char(')');
        result.total += item.value;
        result.items.append(item);
        rs.MoveNext();
    }
    result.title = result.items.isEmpty() ? month + QStringLiteral(" 没有订单数据")
                                          : titleOf(measure, month, result.total);
    return result;
}

} // namespace MonthlyRanking
