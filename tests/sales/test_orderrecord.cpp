#include <gtest/gtest.h>

#include <random>

#include <QDateTime>
#include <QHash>
#include <QSet>

#include "core/dblayer.h"
#include "platform/dberror.h"
#include "sales/ordercheck.h"
#include "sales/orderrecord.h"
#include "sales/salesnumbers.h"
#include "tests/sales/salesfixture.h"
#include "tests/support/failedsave.h"

namespace {

class OrderRecordTest : public SalesTest
{
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        addProduct(1, "P", 2.5, 0.125);
        addProduct(2, "Q", 0.1, 0.125);
        addProduct(3, "R", 3.333, 0.25);
        addBundle(1, "PQ组合", {{1, 4}, {2, 1}});
        addBundle(2, "QR组合", {{2, 2}, {3, 1}});
        addBundle(3, "空组合", {});
        addCompany(10, "甲公司");
        addClient(20, "张三", 10);
        addClient(21, "李四");
    }

    static OrderForm newOrder(const QString& number, qint32 client, const QList<OrderLine>& lines)
    {
        OrderForm f;
        f.number = number;
        f.ClientId = client;
        f.CompanyId = 10;
        f.orderDate = QDate(2024, 5, 6);
        f.remark = "  先付款\r\n";
        f.lines = lines;
        return f;
    }
    static QStringList expansion(qint32 order)
    {
        return rows("select OrderProId, OrderProCount, OrderProSell, OrderProcost from OrderProSin "
                    "where GetOrderID = ? order by OrderProId",
                    {order});
    }
};

TEST_F(OrderRecordTest, RoundingKeepsTheDecimalMeaningAndSendsHalvesToEven)
{
    EXPECT_EQ(RoundMoney(2.625), 2.62);
    EXPECT_EQ(RoundMoney(2.635), 2.64);
    EXPECT_EQ(RoundMoney(0.125), 0.12);
    EXPECT_EQ(RoundMoney(1.005), 1.0); // stored as 1.00499999..., but stands for 1.005
    EXPECT_EQ(RoundMoney(0.1 + 0.2), 0.3);
    EXPECT_EQ(RoundMoney(1234567.89), 1234567.89); // single precision would give 1234567.88
    EXPECT_EQ(RoundMoney(-2.625), -2.62);
    EXPECT_EQ(RoundMoney(7), 7);
}

TEST_F(OrderRecordTest, SaveStoresTheOrderItsLinesExpansionTotalsAndLogTogether)
{
    // Empty number, a used number, no contact person: all in one list, nothing written.
    addClient(22, "王五");
    Conn.exec("insert into orderdata (orderid, GetClient, createuser) values (900, 22, 2)");
    EXPECT_EQ(SaveOrder(newOrder("0", 0, {})).lines(),
              (QStringList{"1、[订单编号] 不能为0！", "2、[经办人] 不能为空！"}));
    EXPECT_EQ(SaveOrder(newOrder("900", 0, {})).lines(),
              (QStringList{"1、[订单编号] 已存在！", "2、[经办人] 不能为空！"}));
    EXPECT_EQ(count("select count(*) from orderdata"), 1);
    EXPECT_EQ(count("select count(*) from logdata"), 0);

    EXPECT_TRUE(ClientBelongsToCompany(10, 20));
    EXPECT_FALSE(ClientBelongsToCompany(10, 21));
    EXPECT_TRUE(ClientBelongsToCompany(0, 21));

    // P x2, bundle PQ x3 (4P + Q each), bundle QR x1 (2Q + R), an empty bundle x5.
    const OrderForm order = newOrder("100", 20,
                                     {{0, false, 1, "P", 2, true},
                                      {0, true, 1, "PQ组合", 3, true},
                                      {0, true, 2, "QR组合", 1, true},
                                      {0, true, 3, "空组合", 5, true}});
    EXPECT_TRUE(SaveOrder(order).isEmpty());
    EXPECT_EQ(expansion(100), (QStringList{"1|14|2.5|0.125", "2|5|0.1|0.125", "3|1|3.333|0.25"}));
    // Sell 35 + 0.5 + 3.333 = 38.833; cost 1.75 + 0.625 + 0.25 = 2.625, a half that goes to even.
    EXPECT_EQ(rows("select OrderSell, realsell, ordercost, GetCompany, GetClient, OrderDate, orderremark, "
                   "createuser, orderischeck, orderisover, overdate from orderdata where orderid = 100"),
              QStringList{"38.83|38.83|2.62|10|20|2024-05-06|  先付款\r\n|1|0|0|"});
    EXPECT_EQ(rows("select GetLogOperate, GetLogClass, GetEditID from logdata"), QStringList{"1|7|20"});

    // Reloaded: bundle lines by bundle number first, then single lines.
    QList<OrderLine> lines = LoadOrderLines(100);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].isMul);
    EXPECT_EQ(lines[0].name, "PQ组合");
    EXPECT_EQ(lines[2].proId, 3);
    EXPECT_FALSE(lines[3].isMul);
    EXPECT_EQ(lines[3].count, 2);

    // A checked real price, a new sell price of P and a changed contact person: the next save
    // re-prices every line, resets the real price and logs the contact person stored before.
    Conn.exec(
        "update orderdata set realsell = 99, orderischeck = -1, overdate = '2024-06-01' where orderid = 100");
    Conn.exec("update product set ProductSell = 3 where productid = 1");
    std::optional<OrderForm> stored = LoadOrderRow(100);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->remark, "  先付款\r\n");
    stored->ClientId = 21;
    stored->lines = lines;
    stored->lines[3].count = 1;
    stored->lines[3].changed = true;
    EXPECT_TRUE(SaveOrder(*stored).isEmpty());
    EXPECT_EQ(expansion(100), (QStringList{"1|13|3|0.125", "2|5|0.1|0.125", "3|1|3.333|0.25"}));
    EXPECT_EQ(rows("select OrderSell, realsell, ordercost, GetClient, orderischeck, overdate from orderdata "
                   "where orderid = 100"),
              QStringList{"42.83|42.83|2.5|21|-1|2024-06-01"});
    EXPECT_EQ(rows("select GetLogOperate, GetEditID from logdata where GetLogOperate = 2"),
              QStringList{"2|20"});

    // Deleting the PQ line recomputes the expansion and the totals at once.
    DeleteOrderLine(lines[0].key, 100);
    EXPECT_EQ(expansion(100), (QStringList{"1|1|3|0.125", "2|2|0.1|0.125", "3|1|3.333|0.25"}));
    EXPECT_EQ(rows("select OrderSell, ordercost from orderdata where orderid = 100"),
              QStringList{"6.53|0.62"});
    EXPECT_EQ(count("select count(*) from OrderProMain where GetOrderID = 100"), 3);

    // A line key drawn that another line holds is drawn again.
    QList<qint32> keys{lines[1].key, 777};
    SetRandomIdSource([&keys] {
        return keys.isEmpty() ? 778 + int(QDateTime::currentMSecsSinceEpoch() % 1000000) : keys.takeFirst();
    });
    EXPECT_TRUE(SaveOrder(newOrder("102", 20, {{0, false, 2, "Q", 1, true}})).isEmpty());
    SetRandomIdSource({});
    EXPECT_EQ(rows("select OrderProMainID, OrderProId from OrderProMain where GetOrderID = 102"),
              QStringList{"777|2"});

    // An order without lines.
    EXPECT_TRUE(SaveOrder(newOrder("101", 20, {})).isEmpty());
    EXPECT_EQ(expansion(101), QStringList{});
    EXPECT_EQ(rows("select OrderSell, realsell, ordercost from orderdata where orderid = 101"),
              QStringList{"0|0|0"});
}

TEST_F(OrderRecordTest, TotalsAreTheExactSumsOfThePricesAsTypedRoundedHalfToEven)
{
    const auto totals = [](qint32 order) {
        return rows("select OrderSell, realsell, ordercost from orderdata where orderid = ?", {order});
    };
    // 3 x 0.1 + 0.125 = 0.425 and a cost of 3 x 0.1 + 0.005 = 0.305: their binary sums lie just
    // above the half, the exact ones on it.
    addProduct(11, "A", 0.1, 0.1);
    addProduct(12, "B", 0.125, 0.005);
    addProduct(13, "C", 1, 1);
    EXPECT_TRUE(SaveOrder(newOrder("300", 20,
                                   {{0, false, 11, "A", 3, true},
                                    {0, false, 12, "B", 1, true},
                                    {0, false, 13, "C", 1, true}}))
                    .isEmpty());
    EXPECT_EQ(totals(300), QStringList{"1.42|1.42|1.3"});
    // Deleting a line totals the rest the same way.
    const QList<OrderLine> lines = LoadOrderLines(300);
    ASSERT_EQ(lines.size(), 3);
    DeleteOrderLine(lines[2].key, 300);
    EXPECT_EQ(totals(300), QStringList{"0.42|0.42|0.3"});

    // A bundle of 6 x 39.163, 7 x 2.828 and 109.321: exactly 364.095, which goes up to the even cent.
    addProduct(14, "D", 39.163, 0);
    addProduct(15, "E", 2.828, 0);
    addProduct(16, "F", 109.321, 0);
    addBundle(14, "DEF组合", {{14, 6}, {15, 7}, {16, 1}});
    EXPECT_TRUE(SaveOrder(newOrder("301", 20, {{0, true, 14, "DEF组合", 1, true}})).isEmpty());
    EXPECT_EQ(totals(301), QStringList{"364.1|364.1|0"});

    // Random orders of three-decimal prices, single lines and bundles, each made to end in half a
    // cent, against the same sums in whole thousandths.
    std::mt19937 random(5120);
    QHash<qint32, QPair<qint64, qint64>> mills; // product: sell, cost
    const auto product = [&](qint32 id, qint64 sell, qint64 cost) {
        const auto price = [](qint64 m) {
            return QString::number(m / 1000) + "." + QString::number(1000 + m % 1000).mid(1);
        };
        addProduct(id, QString("R%1").arg(id), price(sell).toDouble(), price(cost).toDouble());
        mills.insert(id, {sell, cost});
    };
    for (qint32 id = 501; id <= 520; ++id)
        product(id, random() % 1000000, random() % 1000000);
    // Products of 0.001 to 0.009 make a sell total end in half a cent.
    for (qint32 d = 1; d <= 9; ++d)
        product(600 + d, d, random() % 10);
    QHash<qint32, QList<QPair<qint32, qint32>>> bundles;
    for (qint32 id = 501; id <= 504; ++id) {
        bundles[id] = {{qint32(501 + random() % 20), qint32(1 + random() % 9)},
                       {qint32(501 + random() % 20), qint32(1 + random() % 9)}};
        if (bundles[id][0].first == bundles[id][1].first)
            bundles[id].removeLast();
        addBundle(id, QString("组合%1").arg(id), bundles[id]);
    }
    const auto cents = [](qint64 m) {
        qint64 c = m / 10;
        if (m % 10 > 5 || (m % 10 == 5 && c % 2 != 0))
            ++c;
        return QString::number(double(c) / 100, 'f', 2).toDouble();
    };
    for (qint32 order = 1000; order < 1040; ++order) {
        QList<OrderLine> lines;
        qint64 sell = 0;
        qint64 cost = 0;
        const auto add = [&](qint32 id, qint64 count) {
            sell += count * mills[id].first;
            cost += count * mills[id].second;
        };
        QSet<qint32> used;
        for (int i = 0; i < 4; ++i) {
            const bool isMul = random() % 3 == 0;
            const qint32 id = isMul ? qint32(501 + random() % 4) : qint32(501 + random() % 20);
            const qint32 count = 1 + qint32(random() % 200);
            if (used.contains(id * (isMul ? -1 : 1)))
                continue;
            used.insert(id * (isMul ? -1 : 1));
            lines.append({0, isMul, id, "R", count, true});
            if (isMul) {
                for (const auto& [member, perBundle] : bundles[id])
                    add(member, qint64(count) * perBundle);
            } else {
                add(id, count);
            }
        }
        if (const qint64 digit = (15 - sell % 10) % 10) {
            lines.append({0, false, 600 + qint32(digit), "R", 1, true});
            add(600 + qint32(digit), 1);
        }
        ASSERT_EQ(sell % 10, 5);
        ASSERT_TRUE(SaveOrder(newOrder(QString::number(order), 20, lines)).isEmpty());
        Statement stored(Conn, "select OrderSell, realsell, ordercost from orderdata where orderid = ?");
        stored.bind({order});
        ASSERT_TRUE(stored.step());
        EXPECT_EQ(stored.value(0).toDouble(), cents(sell)) << "order " << order << ", " << sell << " mills";
        EXPECT_EQ(stored.value(1).toDouble(), cents(sell));
        EXPECT_EQ(stored.value(2).toDouble(), cents(cost))
            << "order " << order << ", cost " << cost << " mills";
    }
}

TEST_F(OrderRecordTest, ASaveThatFailsMidwayLeavesTheOrdersAsTheyWere)
{
    ASSERT_TRUE(SaveOrder(newOrder("100", 20, {{0, false, 1, "P", 2, true}, {0, true, 1, "PQ组合", 3, true}}))
                    .isEmpty());
    const QList<OrderLine> lines = LoadOrderLines(100);
    ASSERT_EQ(lines.size(), 2);
    // An edit changes the contact person and a quantity and adds a line.
    std::optional<OrderForm> edited = LoadOrderRow(100);
    ASSERT_TRUE(edited);
    edited->ClientId = 21;
    edited->lines = lines;
    edited->lines[1].count = 5;
    edited->lines[1].changed = true;
    edited->lines.append({0, false, 3, "R", 1, true});

    // The orders fail at their expansion (after the order's row, its lines and its log row), the
    // check at its log row.
    ExpectEachSaveLeavesNoTrace({
        {"new order", "OrderProSin", "insert", "",
         [&] {
             SaveOrder(newOrder("101", 20, {{0, false, 2, "Q", 1, true}}));
         }},
        {"order edited", "OrderProSin", "insert", "new.OrderProId = 3", [&] { SaveOrder(*edited); }},
        {"line deleted", "OrderProSin", "insert", "", [&] { DeleteOrderLine(lines[0].key, 100); }},
        {"order checked", "logdata", "insert", "", [&] { SaveOrderCheck(100, 50, true, true); }},
    });
}

TEST_F(OrderRecordTest, ANumberSavedByAnotherUserMeanwhileIsReportedAndNothingIsWritten)
{
    ErrorList errors;
    QString failure;
    saveWhileAnotherUserWrites("insert into orderdata (orderid, GetClient, createuser) values (300, 21, 2)",
                               [&] {
                                   try {
                                       errors = SaveOrder(newOrder("300", 20, {{0, false, 1, "P", 1, true}}));
                                   } catch (const DbError& e) {
                                       failure = e.message();
                                   }
                               });
    EXPECT_EQ(failure, "");
    EXPECT_EQ(errors.lines(), QStringList{"1、[订单编号] 已存在！"});
    EXPECT_EQ(rows("select orderid, GetClient, createuser from orderdata"), QStringList{"300|21|2"});
    EXPECT_EQ(count("select count(*) from OrderProMain"), 0);
    EXPECT_EQ(count("select count(*) from logdata"), 0);
}

} // namespace
