#pragma once

#include <QString>
#include <QStringList>

#include "sales/sqlquery.h"

class Statement;

// The filters of the order list.
struct OrderListFilter
{
    enum State
    {
        Finished,
        Unfinished,
        All
    };
    State state = Unfinished;
    qint32 userId = 0; // one creator's orders (only for users who see all users); 0 = everyone's
    QString number;    // digits the order number holds
    qint32 companyId = 0;
    qint32 clientId = 0;
};

// The order list's query: the logged-in user's own orders, or with CanSeeAllUser every user's (or
// the chosen user's), filtered, newest delivery date first. Its columns are what OrderListRow reads.
SqlQuery OrderListQuery(const OrderListFilter& filter);
// One row of the list: number, company, contact person, sell price, real sell price, delivery
// date, checked and finished ("1" or "-1"), and with CanSeeAllUser the creator unless it is the
// logged-in user.
QString OrderListRow(const Statement& st);

// The order's lines as entered, each "序号 TAB number TAB name TAB quantity TAB type": bundle lines
// ("组合") by number, then product lines ("商品") by number.
QStringList OrderMainLineRows(qint32 orderId);
// The order expanded to single products, each "序号 TAB number TAB name TAB quantity TAB unit price".
QStringList OrderSinLineRows(qint32 orderId);
