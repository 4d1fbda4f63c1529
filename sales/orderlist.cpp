#include "sales/orderlist.h"

#include "core/dblayer.h"
#include "core/session.h"
#include "sales/salesnumbers.h"

namespace {

// Appends the rows of a line query (number, name, quantity, last column) numbered from the
// count already in rows.
void appendLines(QStringList& rows, const QString& sql, qint32 orderId,
                 const std::function<QString(const Statement&)>& last)
{
    Statement st(Conn, sql);
    st.bind({orderId});
    while (st.step()) {
        rows << QStringList{QString::number(rows.size() + 1), st.value(0).toString(), st.value(1).toString(),
                            st.value(2).toString(), last(st)}
                    .join(QLatin1Char('\t'));
    }
}

} // namespace

SqlQuery OrderListQuery(const OrderListFilter& filter)
{
    SqlQuery q;
    q.sql =
        QStringLiteral("select o.orderid, (select companyname from company where companyid = o.GetCompany), "
                       "(select clientname from client where clientid = o.GetClient), o.OrderSell, "
                       "o.realsell, o.OrderDate, o.orderischeck, o.orderisover, o.createuser, ");
    if (CanSeeAllUser) {
        q.sql += QStringLiteral("u.username from orderdata o, userdata u where o.createuser = u.userid");
        if (filter.userId > 0) {
            q.sql += QStringLiteral(" and u.userid = ?");
            q.params << filter.userId;
        }
    } else {
        q.sql += QStringLiteral("null from orderdata o where o.createuser = ?");
        q.params << CurUserID;
    }
    if (!filter.number.isEmpty()) {
        q.sql += QStringLiteral(" and instr(o.orderid, ?) > 0");
        q.params << filter.number;
    }
    if (filter.companyId > 0) {
        q.sql += QStringLiteral(" and o.GetCompany = ?");
        q.params << filter.companyId;
    }
    if (filter.clientId > 0) {
        q.sql += QStringLiteral(" and o.GetClient = ?");
        q.params << filter.clientId;
    }
    if (filter.state != OrderListFilter::All)
        q.sql += filter.state == OrderListFilter::Finished ? QStringLiteral(" and o.orderisover <> 0")
                                                           : QStringLiteral(" and o.orderisover = 0");
    q.sql += QStringLiteral(" order by o.OrderDate desc");
    return q;
}

QString OrderListRow(const Statement& st)
{
    // Built in one string: the list fills 100,000 of these at a time.
    QString row;
    row.reserve(96);
    const auto cell = [&row](QStringView text) {
        row += text;
        row += QLatin1Char('\t');
    };
    const auto amount = [&cell](const QVariant& v) {
        cell(v.isNull() ? QString() : AmountText(v.toDouble()));
    };
    const auto flag = [&cell](const QVariant& v) { cell(v.toInt() != 0 ? u"1" : u"-1"); };
    cell(QString::number(st.value(0).toLongLong()));
    cell(st.value(1).toString());
    cell(st.value(2).toString());
    amount(st.value(3));
    amount(st.value(4));
    cell(st.value(5).toString());
    flag(st.value(6));
    flag(st.value(7));
    if (CanSeeAllUser && st.value(8).toInt() != CurUserID)
        cell(st.value(9).toString());
    row.chop(1);
    return row;
}

QStringList OrderMainLineRows(qint32 orderId)
{
    QStringList rows;
    appendLines(rows,
                QStringLiteral(
                    "select OrderProId, ProductMulName, OrderProCount from OrderProMain, productmul "
                    "where OrderProId = productmulid and ismul <> 0 and GetOrderID = ? order by OrderProId"),
                orderId, [](const Statement&) { return QStringLiteral("组合"); });
    appendLines(
        rows,
        QStringLiteral("select OrderProId, productname, OrderProCount from OrderProMain, product "
                       "where OrderProId = productid and ismul = 0 and GetOrderID = ? order by OrderProId"),
        orderId, [](const Statement&) { return QStringLiteral("商品"); });
    return rows;
}

QStringList OrderSinLineRows(qint32 orderId)
{
    QStringList rows;
    appendLines(rows,
                QStringLiteral(
                    "select OrderProId, productname, OrderProCount, OrderProSell from OrderProSin, product "
                    "where OrderProId = productid and GetOrderID = ? order by OrderProId"),
                orderId, [](const Statement& st) { return PriceText(st.value(3).toDouble()); });
    return rows;
}
