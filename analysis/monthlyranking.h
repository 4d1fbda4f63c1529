#pragma once

#include <QDate>
#include <QList>
#include <QString>

class Database;

// One calendar month's finished orders ranked per user: an order counts in the month of its
// `overdate` for the user in its `createuser`, whatever the rights of the logged-in user.
namespace MonthlyRanking {

// The measures of the analysis buttons 0, 1 and 2.
enum Measure
{
    OrderCount = 0,
    Sales = 1,
    GrossProfit = 2
};

struct Item
{
    qint32 userId = 0;
    QString userName;
    float value = 0; // orders, or 万元
    QString label;   // username(value)
};

struct Result
{
    QString title;     // "2011年9月 已结束订单...", or "2011年9月 没有订单数据"
    QList<Item> items; // ranking order, largest first; empty: no chart
    float total = 0;   // sum of the shown values
};

// The query of one measure, values bound: the first day of the month and of the next.
QString Sql(int measure);

// Runs the ranking of a measure for the month beginning on firstDay.
Result Run(Database& db, int measure, const QDate& firstDay);

} // namespace MonthlyRanking
