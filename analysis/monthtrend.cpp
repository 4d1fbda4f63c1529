#include "analysis/monthtrend.h"

#include "analysis/analysisvalues.h"
#include "platform/database.h"
#include "platform/recordset.h"

namespace MonthTrend {

namespace {

QString yearMonth(const QDate& day)
{
    return QStringLiteral("%1-%2").arg(day.year()).arg(day.month());
}

double valueOf(Database& db, const QString& sql, int measure, const QVariantList& params)
{
    Recordset rs;
    rs.Open(sql, db, params);
    // An empty sum (no order in the month) reads as 0.
    const double measured = rs.Eof() ? 0.0 : rs.Number(QStringLiteral("orderCount"));
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
    QString sql;
    switch (measure) {
    case Sales:
        sql = QStringLiteral("select sum(realsell) as orderCount from orderdata");
        break;
    case GrossProfit:
        sql = QStringLiteral("select sum(realsell-ordercost) as orderCount from orderdata");
        break;
    default:
        sql = QStringLiteral("select count(orderid) as orderCount from orderdata");
        break;
    }
    sql += QStringLiteral(" where overdate>=? and overdate<?");
    if (perUser)
        sql += QStringLiteral(" and createuser=?");
    return sql;
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
            result.values[0][m] = valueOf(db, sql, measure, {first, NextMonthStart(first)});
        }
        return result;
    }
    for (const User& user : users)
        result.series.append(user.name);
    result.values = QVector<QVector<double>>(users.size(), QVector<double>(months));
    const QString sql = Sql(measure, true);
    for (int m = 0; m < months; ++m) {
        const QDate first = period.firstDay.addMonths(m);
        const QDate next = NextMonthStart(first);
        for (int r = 0; r < users.size(); ++r)
            result.values[r][m] = valueOf(db, sql, measure, {first, next, users.at(r).id});
    }
    return result;
}

} // namespace MonthTrend
