#include <gtest/gtest.h>

#include <QVariant>

#include "clients/classtable.h"
#include "core/dblayer.h"
#include "tests/support/failedsave.h"
#include "tests/support/fixtures.h"
#include "tests/support/scriptedkeys.h"

namespace {

class ClassTableTest : public DbTest
{
protected:
    // The stored (id, order) pairs of ProductUnit, by id.
    QList<QPair<qint32, int>> unitOrders()
    {
        QList<QPair<qint32, int>> rows;
        Recordset rs;
        rs.Open(QStringLiteral("select * from ProductUnit order by ProductUnitid"), Conn);
        while (!rs.Eof()) {
            rows.append({qint32(rs.Int(QStringLiteral("ProductUnitid"))),
                         int(rs.Int(QStringLiteral("ProductUnitGetOrder")))});
            rs.MoveNext();
        }
        rs.Close();
        return rows;
    }
    QVariant unitValue(const QString& column, qint32 id)
    {
        return Conn.scalar(QStringLiteral("select %1 from ProductUnit where ProductUnitid=?").arg(column),
                           {id});
    }
};

} // namespace

TEST_F(ClassTableTest, ColumnsFollowTheTableName)
{
    const ClassTable table(QStringLiteral("ClientType"));
    EXPECT_EQ(table.idColumn(), QStringLiteral("ClientTypeid"));
    EXPECT_EQ(table.nameColumn(), QStringLiteral("ClientTypename"));
    EXPECT_EQ(table.orderColumn(), QStringLiteral("ClientTypegetorder"));
}

TEST_F(ClassTableTest, LoadReadsInOrderAndRenumbersGapsAndDuplicates)
{
    Conn.exec(QStringLiteral("delete from ProductUnit"));
    Conn.exec(QStringLiteral(
        "insert into ProductUnit values (30, '箱', 40), (10, '个', 5), (20, '件', 5), (40, '台', 9999)"));

    const QList<ClassItem> items = ClassTable(QStringLiteral("ProductUnit")).loadAndRenumber();

    // Equal orders keep the stored order.
    EXPECT_EQ(items, (QList<ClassItem>{{QStringLiteral("个"), 10},
                                       {QStringLiteral("件"), 20},
                                       {QStringLiteral("箱"), 30},
                                       {QStringLiteral("台"), 40}}));
    EXPECT_EQ(unitOrders(), (QList<QPair<qint32, int>>{{10, 1}, {20, 2}, {30, 3}, {40, 4}}));
}

TEST_F(ClassTableTest, AddStoresTheNewValueLastWithItsOwnKey)
{
    ClassTable table(QStringLiteral("ProductUnit"));
    const qint32 first = table.add(QStringLiteral("新增计量单位管理"));
    const qint32 second = table.add(QStringLiteral("新增计量单位管理"));

    EXPECT_NE(first, second);
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitname"), second).toString(),
              QStringLiteral("新增计量单位管理"));
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitGetOrder"), first).toInt(), ClassTable::NewValueOrder);
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitGetOrder"), second).toInt(), ClassTable::NewValueOrder);
    // The next load puts them last, in stored order, numbered on.
    const QList<ClassItem> items = table.loadAndRenumber();
    ASSERT_EQ(items.size(), 9);
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitGetOrder"), items.at(7).id).toInt(), 8);
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitGetOrder"), items.at(8).id).toInt(), 9);
}

TEST_F(ClassTableTest, AddDrawsAgainWhenAnotherCopyTookTheKey)
{
    // Keys 1 and 2 are taken by the time the value is stored.
    const ScriptedKeys keys({1, 2, 4321});
    const qint32 id = ClassTable(QStringLiteral("ProductUnit")).add(QStringLiteral("托"));
    EXPECT_EQ(id, 4321);
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitname"), 4321).toString(), QStringLiteral("托"));
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitname"), 1).toString(), QStringLiteral("个"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from ProductUnit")).toInt(), 8);
}

TEST_F(ClassTableTest, AddToAnEmptyTableCreatesTheFirstValue)
{
    Conn.exec(QStringLiteral("delete from ClientStatus"));
    ClassTable table(QStringLiteral("ClientStatus"));
    const qint32 id = table.add(QStringLiteral("新增客户状态"));

    EXPECT_EQ(table.loadAndRenumber(), (QList<ClassItem>{{QStringLiteral("新增客户状态"), id}}));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select ClientStatusgetorder from ClientStatus")).toInt(), 1);
}

TEST_F(ClassTableTest, RenameChangesOnlyThatValue)
{
    ClassTable table(QStringLiteral("ProductUnit"));
    table.rename(2, QStringLiteral("盒"));
    table.rename(987654, QStringLiteral("无")); // no such value

    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitname"), 2).toString(), QStringLiteral("盒"));
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitname"), 1).toString(), QStringLiteral("个"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from ProductUnit")).toInt(), 7);
}

TEST_F(ClassTableTest, SaveOrderStoresTheListOrder)
{
    ClassTable table(QStringLiteral("ProductUnit"));
    table.saveOrder({7, 6, 5, 4, 3, 2, 1});
    EXPECT_EQ(table.loadAndRenumber().first(), (ClassItem{QStringLiteral("米"), 7}));
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitGetOrder"), 1).toInt(), 7);

    // A value the list does not show keeps its order.
    Conn.exec(QStringLiteral("insert into ProductUnit values (99, '桶', 50)"));
    table.saveOrder({1, 2});
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitGetOrder"), 1).toInt(), 1);
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitGetOrder"), 2).toInt(), 2);
    EXPECT_EQ(unitValue(QStringLiteral("ProductUnitGetOrder"), 99).toInt(), 50);
}

TEST_F(ClassTableTest, AnOrderThatFailsToBeStoredMidwayChangesNoOrder)
{
    // Orders in reverse of the keys and with gaps: every value is rewritten, value 1 last, and its
    // write fails.
    Conn.exec(QStringLiteral("update ProductUnit set ProductUnitGetOrder = 100 - ProductUnitid * 10"));
    ClassTable table(QStringLiteral("ProductUnit"));
    ExpectEachSaveLeavesNoTrace({
        {QStringLiteral("renumbering at load"), QStringLiteral("ProductUnit"), QStringLiteral("update"),
         QStringLiteral("old.ProductUnitid = 1"), [&] { table.loadAndRenumber(); }},
        {QStringLiteral("list order"), QStringLiteral("ProductUnit"), QStringLiteral("update"),
         QStringLiteral("old.ProductUnitid = 1"),
         [&] {
             table.saveOrder({2, 1, 3, 4, 5, 6, 7});
         }},
    });
}

TEST_F(ClassTableTest, NameRefusals)
{
    EXPECT_EQ(
        ClassTable::nameRefusal(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"), QString()),
        QStringLiteral("请输入 计量单位管理 名称！"));
    EXPECT_EQ(ClassTable::nameRefusal(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"),
                                      QStringLiteral("个")),
              QString());
    // "|" only matters in the names of the six classifications.
    EXPECT_EQ(ClassTable::nameRefusal(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"),
                                      QStringLiteral("a|b")),
              QString());
    EXPECT_EQ(ClassTable::nameRefusal(QStringLiteral("clientsixclass"), QStringLiteral("六种分类名称"),
                                      QStringLiteral("a|b")),
              QStringLiteral("请输入不含“|”的 六种分类名称 名称！"));
    EXPECT_EQ(ClassTable::nameRefusal(QStringLiteral("ClientSixClass"), QStringLiteral("六种分类名称"),
                                      QStringLiteral("客户种类")),
              QString());
}
