#include "sales/orderrecord.h"

#include <algorithm>

#include "core/dblayer.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/transaction.h"
#include "sales/exactdecimal.h"
#include "sales/salesnumbers.h"

namespace {

struct Expansion
{
    qint32 productId;
    qint64 count;
};

// The order expanded to single products: its single lines by product number, then the members of
// its bundle lines, each added to the first entry of its product or appended.
QList<Expansion> expandOrder(qint32 orderId)
{
    QList<Expansion> list;
    Statement singles(Conn,
                      QStringLiteral("select OrderProId, OrderProCount from OrderProMain, orderdata, product "
                                     "where GetOrderID = orderid and ismul = 0 and OrderProId = productid "
                                     "and orderid = ? order by productid"));
    singles.bind({orderId});
    while (singles.step())
        list.append({singles.value(0).toInt(), singles.value(1).toLongLong()});

    Statement members(Conn,
                      QStringLiteral("select GetProductSin, sum(OrderProCount * GetProductSinCount) "
                                     "from OrderProMain, orderdata, productmul, ProductSinMul "
                                     "where productmul.productmulid = GetProductMul "
                                     "and OrderProMain.GetOrderID = orderdata.orderid "
                                     "and OrderProMain.ismul <> 0 and OrderProMain.OrderProId = productmulid "
                                     "and orderdata.orderid = ? group by GetProductSin"));
    members.bind({orderId});
    while (members.step()) {
        const qint32 id = members.value(0).toInt();
        const qint64 count = members.value(1).toLongLong();
        auto it =
            std::find_if(list.begin(), list.end(), [id](const Expansion& e) { return e.productId == id; });
        if (it != list.end())
            it->count += count;
        else
            list.append({id, count});
    }
    return list;
}

void storeLine(const OrderLine& line, qint32 orderId)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from OrderProMain where ismul = ? and OrderProMainID = ?"), Conn,
            {line.isMul, line.key});
    const auto fill = [&] {
        rs.SetValue(QStringLiteral("OrderProId"), line.proId);
        rs.SetValue(QStringLiteral("OrderProCount"), line.count);
        rs.SetValue(QStringLiteral("ismul"), line.isMul);
    };
    if (!rs.Eof()) {
        fill();
        rs.Update();
        return;
    }
    AddNewWithRandomId(rs, QStringLiteral("OrderProMainID"), [&] {
        rs.SetValue(QStringLiteral("createDate"), QDate::currentDate());
        rs.SetValue(QStringLiteral("createuser"), CurUserID);
        rs.SetValue(QStringLiteral("GetOrderID"), orderId);
        fill();
    });
}

QList<OrderLine> loadLines(const QString& sql, qint32 id, bool isMul)
{
    QList<OrderLine> lines;
    Statement st(Conn, sql);
    st.bind({id});
    while (st.step())
        lines.append({st.value(0).toInt(), isMul, st.value(1).toInt(), st.value(2).toString(),
                      st.value(3).toInt(), false});
    return lines;
}

} // namespace

std::optional<OrderForm> LoadOrderRow(qint32 id)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from orderdata where orderid = ?"), Conn, {id});
    if (rs.Eof())
        return std::nullopt;
    OrderForm form;
    form.OrderID = id;
    form.number = QString::number(id);
    form.CompanyId = qint32(rs.Int(QStringLiteral("GetCompany")));
    form.ClientId = qint32(rs.Int(QStringLiteral("GetClient")));
    form.orderDate = QDate::fromString(rs.Text(QStringLiteral("OrderDate")), Qt::ISODate);
    form.remark = rs.Text(QStringLiteral("orderremark"));
    return form;
}

QList<OrderLine> LoadOrderLines(qint32 id)
{
    QList<OrderLine> lines = loadLines(
        QStringLiteral("select OrderProMainID, productmulid, ProductMulName, OrderProCount "
                       "from OrderProMain, orderdata, productmul where GetOrderID = orderid and ismul <> 0 "
                       "and OrderProId = productmulid and orderid = ? order by productmulid"),
        id, true);
    lines += loadLines(
        QStringLiteral("select OrderProMainID, productid, productname, OrderProCount "
                       "from OrderProMain, orderdata, product where GetOrderID = orderid and ismul = 0 "
                       "and OrderProId = productid and orderid = ? order by productid"),
        id, false);
    return lines;
}

ErrorList CheckOrder(const OrderForm& form)
{
    ErrorList errors;
    const qint32 number = WholeValue(form.number);
    if (number == 0)
        errors.add(QStringLiteral("、[订单编号] 不能为0！"));
    if (form.OrderID == 0 &&
        Conn.scalar(QStringLiteral("select 1 from orderdata where orderid = ?"), {number}).isValid())
        errors.add(QStringLiteral("、[订单编号] 已存在！"));
    if (form.ClientId == 0)
        errors.add(QStringLiteral("、[经办人] 不能为空！"));
    return errors;
}

bool ClientBelongsToCompany(qint32 companyId, qint32 clientId)
{
    if (companyId == 0)
        return true;
    return Conn
        .scalar(QStringLiteral("select 1 from client, company where companyid = GetCompany and companyid = ? "
                               "and clientid = ?"),
                {companyId, clientId})
        .isValid();
}

ErrorList SaveOrder(const OrderForm& form)
{
    Transaction tx(Conn);
    ErrorList errors = CheckOrder(form);
    if (!errors.isEmpty())
        return errors;

    const QDate today = QDate::currentDate();
    Recordset rs;
    rs.Open(QStringLiteral("select * from orderdata where orderid = ?"), Conn, {form.OrderID});
    qint32 orderId = form.OrderID;
    if (rs.Eof()) {
        orderId = WholeValue(form.number);
        rs.AddNew();
        rs.SetValue(QStringLiteral("orderid"), orderId);
        rs.SetValue(QStringLiteral("createDate"), today);
        rs.SetValue(QStringLiteral("createuser"), CurUserID);
        WriteLog(LogAdd, LogOrder, form.ClientId);
    } else {
        // The log names the contact person stored before this save.
        WriteLog(LogModify, LogOrder, qint32(rs.Int(QStringLiteral("GetClient"))));
    }
    rs.SetValue(QStringLiteral("OrderDate"), form.orderDate);
    rs.SetValue(QStringLiteral("orderremark"), form.remark);
    rs.SetValue(QStringLiteral("LastChangeDate"), today);
    rs.SetValue(QStringLiteral("GetCompany"), form.CompanyId);
    rs.SetValue(QStringLiteral("GetClient"), form.ClientId);
    rs.Update();
    rs.Close();

    for (const OrderLine& line : form.lines) {
        if (line.key == 0 || line.changed)
            storeLine(line, orderId);
    }
    UpdateOrderTotals(orderId);
    tx.commit();
    return errors;
}

void DeleteOrderLine(qint32 key, qint32 orderId)
{
    Transaction tx(Conn);
    Conn.exec(QStringLiteral("delete from OrderProMain where OrderProMainID = ?"), {key});
    UpdateOrderTotals(orderId);
    tx.commit();
}

void UpdateOrderTotals(qint32 OrderId)
{
    Transaction tx(Conn);
    const QList<Expansion> list = expandOrder(OrderId);
    Conn.exec(QStringLiteral("delete from OrderProSin where GetOrderID = ?"), {OrderId});
    if (!list.isEmpty()) {
        // Each row takes its product's current prices (a product that is gone leaves them empty).
        Statement insert(Conn,
                         QStringLiteral("insert into OrderProSin (OrderProSinID, GetOrderID, OrderProId, "
                                        "OrderProCount, OrderProSell, OrderProcost) values (?, ?, ?, ?, "
                                        "(select ProductSell from product where productid = ?), "
                                        "(select ProductCost from product where productid = ?))"));
        for (const Expansion& e : list) {
            InsertWithRandomId(
                QStringLiteral("OrderProSin"), QStringLiteral("OrderProSinID"), [&](qint32 key) {
                    insert.reset();
                    insert.bind({key, OrderId, e.productId, e.count, e.productId, e.productId});
                    insert.step();
                });
        }
    }
    // Each price counts as the decimal it was typed as, so a total ending in half a cent rounds
    // to the even cent whatever the binary sum would say; no rows give 0.
    MoneyTotal cost;
    MoneyTotal sell;
    {
        Statement lines(Conn,
                        QStringLiteral("select OrderProCount, ProductCost, ProductSell from OrderProSin, "
                                       "product where OrderProId = productid and GetOrderID = ?"));
        lines.bind({OrderId});
        while (lines.step()) {
            const qint64 count = lines.value(0).toLongLong();
            cost.add(count, lines.value(1).toDouble());
            sell.add(count, lines.value(2).toDouble());
        }
    }
    Conn.exec(
        QStringLiteral("update orderdata set OrderSell = ?, realsell = ?, ordercost = ? where orderid = ?"),
        {sell.cents(), sell.cents(), cost.cents(), OrderId});
    tx.commit();
}
