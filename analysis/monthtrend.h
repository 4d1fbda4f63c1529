#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// Finished orders, sales or gross profit month by month over a period of 3 to 12 months ending
// with a chosen month, for each chosen user or for the whole company.
namespace MonthTrend {

enum Measure
{
    OrderCount = 0,
    Sales = 1,
    GrossProfit = 2
};

// The name of the one series when no user is chosen.
inline const QString CompanySeries = QStringLiteral("全公司总量");

struct Period
{
    QDate firstDay;     // first day of the first month
    QDate lastDay;      // last day of the end month
    QStringList months; // "11-9": the year's last two digits and the month, one per month
    QString range;      // "2011-4 至 2011-9"
};

// The period of `months` months (3 to 12) whose last month begins on endMonthStart.
Period PeriodOf(const QDate& endMonthStart, int months);

// "2011-4 至 2011-9 订单销售额6个月趋势(单位：万元)"; periodText is the chosen item's text ("6个月").
QString Title(const Period& period, int measure, const QString& periodText);

struct User
{
    qint32 id = 0;
    QString name;
};

struct Result
{
    QStringList series;              // user names in list order, or CompanySeries
    QVector<QVector<double>> values; // values[series][month]: orders, or 万元
};

// The query of one month's values, values bound: the first day of the month and of the next. The
// whole company's gives one value; per user it gives one row per creator with orders.
QString Sql(int measure, bool perUser);

// The values of the period, queried month by month.
Result Run(Database& db, int measure, const Period& period, const QList<User>& users);

} // namespace MonthTrend
