#include "analysis/monthtrend.h"

#include <QHash>

#include "analysis/analysisvalues.h"
#include "platform/database.h"
#include "platform/recordset.h"

namespace MonthTrend {

namespace {

QString yearMonth(const QDate& day)
{
    return QStringLiteral("%1-%2").arg(day.year()).arg(day.month());
}

// A month's measured value as the cell shows it: orders, or 万元.
double valueOf(int measure, double measured)
{
    return measure == OrderCount ? measured : TenThousandYuan(measured);
}

} // namespace

Period PeriodOf(const QDate& endMonthStart, int months)
{
    Period period;
    period.firstDay = endMonthStart.addMonths(-(months - 1));
    period.lastDay = NextMonthStart(endMonthStart).addDays(-1);
    for (int m = 0; m < months; ++m) {
        const QDate day = period.firstDay.addMonths(m);
        period.months.append(
            QStringLiteral("%1-%2").arg(day.year() % 100, 2, 10, QLatin1Char('0')).arg(day.month()));
    }
    period.range = yearMonth(period.firstDay) + QStringLiteral(" 至 ") + yearMonth(period.lastDay);
    return period;
}

QString Title(const Period& period, int measure, const QString& periodText)
{
    switch (measure) {
    case Sales:
        return period.range + QStringLiteral(" 订单销售额") + periodText + QStringLiteral("趋势(单位：万元)");
    case GrossProfit:
        return period.range + QStringLiteral(" 订单毛利") + periodText + QStringLiteral("趋势(单位：万元)");
    default:
        return period.range + QStringLiteral(" 订单数量") + periodText + QStringLiteral("趋势");
    }
}

QString Sql(int measure, bool perUser)
{
    QString expression;
    switch (measure) {
    case Sales:
        expression = QStringLiteral("sum(realsell)");
        break;
    case GrossProfit:
        expression = QStringLiteral("sum(realsell-ordercost)");
        break;
    default:
        expression = QStringLiteral("count(orderid)");
        break;
    }
    // Per user, one query gives every creator's value of the month at once.
    if (perUser) {
        return QStringLiteral("select createuser,") + expression +
               QStringLiteral(
                   " as orderCount from orderdata where overdate>=? and overdate<? group by createuser");
    }
    return QStringLiteral("select ") + expression +
           QStringLiteral(" as orderCount from orderdata where overdate>=? and overdate<?");
}

Result Run(Database& db, int measure, const Period& period, const QList<User>& users)
{
    const int months = int(period.months.size());
    Result result;
    if (users.isEmpty()) {
        result.series = {CompanySeries};
        result.values = {QVector<double>(months)};
        const QString sql = Sql(measure, false);
        for (int m = 0; m < months; ++m) {
            const QDate first = period.firstDay.addMonths(m);
            Recordset rs;
            rs.Open(sql, db, {first, NextMonthStart(first)});
            result.values[0][m] = rs.Eof() ? 0.0 : valueOf(measure, rs.Number(QStringLiteral("orderCount")));
        }
        return result;
    }
    for (const User& user : users)
        result.series.append(user.name);
    result.values = QVector<QVector<double>>(users.size(), QVector<double>(months));
    const QString sql = Sql(measure, true);
    for (int m = 0; m < months; ++m) {
        const QDate first = period.firstDay.addMonths(m);
        Recordset rs;
        rs.Open(sql, db, {first, NextMonthStart(first)});
        QHash<qint64, double> byUser;
        for (; !rs.Eof(); rs.MoveNext())
            byUser.insert(rs.Int(QStringLiteral("createuser")), rs.Number(QStringLiteral("orderCount")));
        // A user without orders in the month has 0, as an empty sum reads.
        for (int r = 0; r < users.size(); ++r)
            result.values[r][m] = valueOf(measure, byUser.value(users.at(r).id, 0.0));
    }
    return result;
}

} // namespace MonthTrend
