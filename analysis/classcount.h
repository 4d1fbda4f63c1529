#pragma once

#include <QList>
#include <QString>

class Database;

// Clients per value of one client classification, with the clients that carry none of its values.
namespace ClassCount {

// The remainder's name: clients whose link holds 0, nothing, or a value the table no longer has.
inline const QString Undefined = QStringLiteral("未定义");

struct Item
{
    QString name;
    qint32 count = 0;
    QString label; // name(count)
};

struct Result
{
    qint32 totalClients = 0; // every row of client, counted at this run
    QString title;           // "客户类型分析(总客户数量：120)"
    QList<Item> items;       // fewest clients first, then the undefined remainder; empty: no chart
};

// The query of classification table T: values that some client carries, with their counts.
QString Sql(const QString& table);

// Counts the clients of every value of classification table T (caption: the button's text).
Result Run(Database& db, const QString& table, const QString& caption);

} // namespace ClassCount
