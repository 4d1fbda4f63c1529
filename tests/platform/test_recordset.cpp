#include <gtest/gtest.h>

#include "core/dblayer.h"
#include "platform/dberror.h"
#include "platform/recordset.h"
#include "platform/transaction.h"
#include "tests/support/fixtures.h"

using RecordsetTest = DbTest;

TEST_F(RecordsetTest, MovesCountsAndReportsPositions)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from ProductUnit order by ProductUnitGetOrder"), Conn);
    ASSERT_TRUE(rs.IsOpen());
    const int count = rs.RecordCount();
    ASSERT_GE(count, 3);
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    int seen = 0;
    while (!rs.Eof()) {
        ++seen;
        EXPECT_EQ(rs.AbsolutePosition(), seen);
        rs.MoveNext();
    }
    EXPECT_EQ(seen, count);
    EXPECT_EQ(rs.AbsolutePosition(), Recordset::PosEOF);
    EXPECT_THROW(rs.MoveNext(), DbError);

    rs.MoveLast();
    EXPECT_EQ(rs.AbsolutePosition(), count);
    rs.MovePrevious();
    EXPECT_EQ(rs.AbsolutePosition(), count - 1);
    rs.MoveFirst();
    rs.MovePrevious();
    EXPECT_TRUE(rs.Bof());
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.AbsolutePosition(), Recordset::PosBOF);
    EXPECT_THROW(rs.Value(QStringLiteral("ProductUnitname")), DbError);
    rs.Close();
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_THROW(rs.RecordCount(), DbError);
}

TEST_F(RecordsetTest, EmptyResultIsBothBofAndEof)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from client where clientid = ?"), Conn, {0});
    EXPECT_TRUE(rs.Bof());
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(rs.AbsolutePosition(), Recordset::PosEOF);
}

TEST_F(RecordsetTest, FieldsByAnyCaseWithNullAndUnknownNames)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from userdata where userid = 1"), Conn);
    EXPECT_EQ(rs.Text(QStringLiteral("USERNAME")), QStringLiteral("admin"));
    EXPECT_EQ(rs.Value(QStringLiteral("UserName")), rs.Value(QStringLiteral("username")));
    EXPECT_TRUE(rs.Value(QStringLiteral("UserEmail")).isNull());
    EXPECT_EQ(rs.Text(QStringLiteral("UserEmail")), QString());
    EXPECT_EQ(rs.Int(QStringLiteral("UserEmail")), 0);
    EXPECT_THROW(rs.Value(QStringLiteral("nosuchcolumn")), DbError);
}

TEST_F(RecordsetTest, AddNewAndEditWriteTheRowBack)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from client where clientid = ?"), Conn, {0});
    ASSERT_TRUE(rs.Eof());
    rs.AddNew();
    rs.SetValue(QStringLiteral("clientid"), 4242);
    rs.SetValue(QStringLiteral("clientname"), QStringLiteral("O'Brien 张三"));
    rs.SetValue(QStringLiteral("sex"), true);
    rs.SetValue(QStringLiteral("Birthday"), QDate(1960, 1, 1));
    rs.Update();
    // The stored row is read back: defaults and the Yes/No form come from the table.
    EXPECT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Int(QStringLiteral("clientid")), 4242);
    EXPECT_EQ(rs.Int(QStringLiteral("sex")), -1);
    EXPECT_TRUE(rs.Bool(QStringLiteral("sex")));
    EXPECT_EQ(rs.Int(QStringLiteral("GetCompany")), 0);
    EXPECT_EQ(rs.Text(QStringLiteral("Birthday")), QStringLiteral("1960-01-01"));
    rs.Close();

    // The apostrophe is stored and found again by a bound search.
    rs.Open(QStringLiteral("select * from client where instr(lower(clientname), lower(?)) > 0"), Conn,
            {QStringLiteral("o'brien")});
    ASSERT_EQ(rs.RecordCount(), 1);
    rs.SetValue(QStringLiteral("clientname"), QStringLiteral("李四"));
    EXPECT_EQ(rs.Text(QStringLiteral("clientname")), QStringLiteral("李四"));
    rs.Update();
    rs.Close();
    EXPECT_EQ(Conn.scalar(QStringLiteral("select clientname from client where clientid = 4242")).toString(),
              QStringLiteral("李四"));
}

TEST_F(RecordsetTest, MovingAwayStoresAnEditAndCancelDropsIt)
{
    Conn.exec(QStringLiteral("insert into company (companyid, companyname) values (1, 'A'), (2, 'B')"));
    Recordset rs;
    rs.Open(QStringLiteral("select * from company order by companyid"), Conn);
    rs.SetValue(QStringLiteral("companyname"), QStringLiteral("甲"));
    rs.MoveNext();
    rs.SetValue(QStringLiteral("companyname"), QStringLiteral("乙"));
    rs.CancelUpdate();
    rs.Close();
    EXPECT_EQ(Conn.scalar(QStringLiteral("select companyname from company where companyid = 1")).toString(),
              QStringLiteral("甲"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select companyname from company where companyid = 2")).toString(),
              QStringLiteral("B"));
}

TEST_F(RecordsetTest, JoinsAndAggregatesAreReadOnly)
{
    Recordset rs;
    rs.Open(QStringLiteral("select count(*) as n from areaCountry"), Conn);
    EXPECT_FALSE(rs.IsUpdatable());
    EXPECT_GT(rs.Int(QStringLiteral("n")), 2000);
    EXPECT_THROW(rs.SetValue(QStringLiteral("n"), 1), DbError);
    EXPECT_THROW(rs.AddNew(), DbError);
    rs.Close();

    rs.Open(QStringLiteral("select * from userdata, UserClass where GetUserClassID = UserClassID"), Conn);
    EXPECT_FALSE(rs.IsUpdatable());
    EXPECT_EQ(rs.Text(QStringLiteral("userclassname")), QStringLiteral("系统管理员"));
}

TEST_F(RecordsetTest, BrokenSqlAndWrongParameterCountNameTheCause)
{
    Recordset rs;
    try {
        rs.Open(QStringLiteral("select * from nosuchtable"), Conn);
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("nosuchtable")));
    }
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_THROW(rs.Open(QStringLiteral("select * from client where clientid = ?"), Conn), DbError);
    EXPECT_THROW(Conn.exec(QStringLiteral("delete from client; drop table client")), DbError);
    EXPECT_TRUE(
        Conn.scalar(QStringLiteral("select count(*) from sqlite_master where name = 'client'")).toInt() == 1);
}

TEST_F(RecordsetTest, FailedMultiRowSaveLeavesNothingBehind)
{
    try {
        Transaction tx(Conn);
        Conn.exec(QStringLiteral("insert into orderdata (orderid, OrderDate) values (7, '2026-12-08')"));
        Conn.exec(QStringLiteral("insert into OrderProMain (OrderProMainID, GetOrderID) values (1, 7)"));
        // A malformed date breaks the third row: the whole save must vanish.
        Conn.exec(QStringLiteral(
            "insert into OrderProMain (OrderProMainID, GetOrderID, createDate) values (2, 7, '8.12.2026')"));
        tx.commit();
        FAIL() << "the bad row was accepted";
    } catch (const DbError&) {
    }
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from orderdata")).toInt(), 0);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from OrderProMain")).toInt(), 0);
    EXPECT_EQ(Conn.transactionDepth(), 0);

    {
        Transaction outer(Conn);
        Conn.exec(QStringLiteral("insert into orderdata (orderid) values (8)"));
        {
            Transaction inner(Conn);
            Conn.exec(QStringLiteral("insert into orderdata (orderid) values (9)"));
        } // left without commit: only the inner part is undone
        outer.commit();
    }
    EXPECT_EQ(Conn.scalar(QStringLiteral("select group_concat(orderid) from orderdata")).toString(),
              QStringLiteral("8"));
}

TEST_F(RecordsetTest, GroupedRowsAreReadOnlyAndTheFirstOfTwoEqualNamesIsRead)
{
    Recordset rs;
    rs.Open(QStringLiteral("select GetUserClassID, count(*) as n from userdata group by GetUserClassID"),
            Conn);
    EXPECT_FALSE(rs.IsUpdatable());
    EXPECT_THROW(rs.SetValue(QStringLiteral("GetUserClassID"), 2), DbError);
    EXPECT_THROW(rs.AddNew(), DbError);
    rs.Close();

    rs.Open(QStringLiteral("select username as name, userpass as name from userdata where userid = 1"), Conn);
    EXPECT_EQ(rs.Text(QStringLiteral("NAME")), QStringLiteral("admin"));
    EXPECT_NE(rs.Value(1), rs.Value(0));
}

TEST_F(RecordsetTest, AfterUpdateTheRowIsCurrentWithItsComputedColumns)
{
    Conn.exec(QStringLiteral("insert into company (companyid, companyname) values (1, 'A'), (2, 'B')"));
    Recordset rs;
    rs.Open(QStringLiteral(
                "select companyid, companyname, companyname || '公司' as fullname, length(companyname) "
                "as len from company where companyid < ? order by companyid"),
            Conn, {100});
    ASSERT_TRUE(rs.IsUpdatable());
    rs.AddNew();
    rs.SetValue(QStringLiteral("companyid"), 3);
    rs.SetValue(QStringLiteral("companyname"), QStringLiteral("丙"));
    rs.Update();
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.AbsolutePosition(), 3);
    EXPECT_EQ(rs.Int(QStringLiteral("companyid")), 3);
    EXPECT_EQ(rs.Text(QStringLiteral("fullname")), QStringLiteral("丙公司"));
    EXPECT_EQ(rs.Int(QStringLiteral("len")), 1);

    rs.MoveFirst();
    rs.SetValue(QStringLiteral("companyname"), QStringLiteral("甲乙"));
    rs.Update();
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    EXPECT_EQ(rs.Text(QStringLiteral("fullname")), QStringLiteral("甲乙公司"));
    EXPECT_EQ(rs.Int(QStringLiteral("len")), 2);
    rs.MoveNext();
    EXPECT_EQ(rs.Text(QStringLiteral("fullname")), QStringLiteral("B公司"));
}

TEST_F(RecordsetTest, ValuesMustMatchTheMarksAndNamesWithQuotesAreQuoted)
{
    const QString insert = QStringLiteral("insert into company (companyid, companyname) values (?, ?)");
    EXPECT_THROW(Conn.exec(insert, {9}), DbError);
    EXPECT_THROW(Conn.exec(insert, {9, QStringLiteral("x"), QStringLiteral("y")}), DbError);
    EXPECT_THROW(Conn.scalar(QStringLiteral("select companyname from company where companyid = ?")), DbError);
    {
        Statement unbound(Conn, insert);
        EXPECT_THROW(unbound.step(), DbError);
    }
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from company")).toInt(), 0);

    // A table and columns whose names hold double quotes, written through the layer's own SQL.
    Conn.exec(QStringLiteral(
        "create table \"odd\"\"table\" (\"key\"\"id\" integer primary key, \"say \"\"hi\"\"\" text)"));
    const QString key = QStringLiteral("key\"id");
    const QString say = QStringLiteral("say \"hi\"");
    Recordset rs;
    rs.Open(QStringLiteral("select * from \"odd\"\"table\" where \"key\"\"id\" = ?"), Conn, {0});
    AddNewWithRandomId(rs, key, [&] { rs.SetValue(say, QStringLiteral("你好")); });
    rs.SetValue(say, QStringLiteral("再见"));
    rs.Update();
    const qint64 id = rs.Int(key);
    rs.Close();
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select \"say \"\"hi\"\"\" from \"odd\"\"table\" where \"key\"\"id\" = ?"),
                    {id})
            .toString(),
        QStringLiteral("再见"));
    EXPECT_NE(NewRandomId(QStringLiteral("odd\"table"), key), id);
}
