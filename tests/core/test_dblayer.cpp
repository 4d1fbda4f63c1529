#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QSignalSpy>

#include "core/dblayer.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/dberror.h"
#include "platform/transaction.h"
#include "tests/support/fixtures.h"
#include "tests/support/scriptedkeys.h"

using DbLayerTest = DbTest;

TEST(TrimTextTest, RemovesOnlyOuterBlanksAndLineBreaks)
{
    EXPECT_EQ(TrimText(QStringLiteral("  abc \r\n")), QStringLiteral("abc"));
    EXPECT_EQ(TrimText(QStringLiteral(" \r\n ")), QString());
    EXPECT_EQ(TrimText(QStringLiteral("a")), QStringLiteral("a"));
    EXPECT_EQ(TrimText(QStringLiteral(" ")), QString());
    EXPECT_EQ(TrimText(QString()), QString());
    EXPECT_EQ(TrimText(QStringLiteral("a b")), QStringLiteral("a b"));
    EXPECT_EQ(TrimText(QStringLiteral("\tab")), QStringLiteral("\tab"));
    EXPECT_EQ(TrimText(QStringLiteral("\u3000张三 ")), QStringLiteral("\u3000张三"));
    EXPECT_EQ(TrimText(QStringLiteral("\n第一行\n第二行\r\n"), QString()), QStringLiteral("第一行\n第二行"));
}

TEST_F(DbLayerTest, SlotsOutsideOneToFourDoNothing)
{
    OpenRecordset(0, QStringLiteral("delete from userdata"));
    OpenRecordset(5, QStringLiteral("select * from nosuchtable"));
    CloseRecordset(0);
    CloseRecordset(5);
    EXPECT_EQ(SlotRecordset(0), nullptr);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from userdata")).toInt(), 1);
}

TEST_F(DbLayerTest, SlotReadWriteAndDeleteProtocol)
{
    // Insert through a slot opened on a key of 0, as every dialog saves a new row.
    OpenRecordset(1, QStringLiteral("select * from Contract where ContractID = ?"), {0});
    ASSERT_TRUE(Rs1.Eof());
    const qint32 id = NewRandomId(QStringLiteral("contract"), QStringLiteral("contractid"));
    Rs1.AddNew();
    Rs1.SetValue(QStringLiteral("ContractID"), id);
    Rs1.SetValue(QStringLiteral("ContractData"), QStringLiteral("0592-1234567"));
    Rs1.SetValue(QStringLiteral("iscompany"), false);
    Rs1.Update();
    // A nested query on slot 2 while slot 1 is open.
    OpenRecordset(2, QStringLiteral("select count(*) as n from Contract"));
    EXPECT_EQ(Rs2.Int(QStringLiteral("n")), 1);
    CloseRecordset(2);
    CloseRecordset(1);
    EXPECT_THROW(Rs1.Eof(), DbError);

    // A delete through a slot leaves it closed; the slot opens again without a close in between.
    OpenRecordset(4, QStringLiteral("delete from Contract where iscompany = 0 and ContractID = ?"), {id});
    EXPECT_FALSE(Rs4.IsOpen());
    OpenRecordset(4, QStringLiteral("select * from Contract"));
    EXPECT_TRUE(Rs4.IsOpen());
    EXPECT_EQ(Rs4.RecordCount(), 0);
    CloseRecordset(4);

    // Opening a slot that is still open is refused instead of dropping the rows under a loop.
    OpenRecordset(3, QStringLiteral("select * from userdata"));
    EXPECT_THROW(OpenRecordset(3, QStringLiteral("select * from userdata")), DbError);
    EXPECT_TRUE(Rs3.IsOpen());
    CloseRecordset(3);
}

TEST_F(DbLayerTest, NewRandomIdIsNeverZeroNorAPresentKey)
{
    // Fill a small table densely so that collisions would show.
    {
        QVariantList none;
        for (int i = 1; i <= 200; ++i)
            Conn.exec(QStringLiteral("insert into ProductSinMul (ProductSinMulid) values (?)"), {i});
    }
    for (int i = 0; i < 2000; ++i) {
        const qint32 id = NewRandomId(QStringLiteral("ProductSinMul"), QStringLiteral("ProductSinMulid"));
        ASSERT_GE(id, 1);
        ASSERT_LE(id, 99999998);
        ASSERT_GT(id, 200);
    }
    // Consecutive draws differ (independent draws within one clock tick).
    QSet<qint32> seen;
    for (int i = 0; i < 50; ++i)
        seen.insert(NewRandomId(QStringLiteral("client"), QStringLiteral("clientid")));
    EXPECT_GT(seen.size(), 45);
}

TEST_F(DbLayerTest, KeysTakenByAnotherCopyAreDrawnAgain)
{
    Conn.exec(QStringLiteral("insert into logdata (logid, GetEditID) values (11, 1), (12, 2)"));
    {
        const ScriptedKeys keys({11, 12, 13});
        EXPECT_EQ(NewRandomId(QStringLiteral("logdata"), QStringLiteral("logid")), 13);
    }
    {
        // The log row's keys were free when drawn and taken before the insert.
        const ScriptedKeys keys({12, 11, 14});
        CurUserID = 3;
        WriteLog(1, 2, 99);
        EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from logdata")).toInt(), 3);
        EXPECT_EQ(Conn.scalar(QStringLiteral("select GetEditID from logdata where logid = 14")).toInt(), 99);
        EXPECT_EQ(Conn.scalar(QStringLiteral("select GetEditID from logdata where logid = 12")).toInt(), 2);
    }
    {
        // An insert of one's own inside a save: the collision undoes only the attempt.
        const ScriptedKeys keys({14, 15});
        Transaction save(Conn);
        Conn.exec(QStringLiteral("insert into company (companyid, companyname) values (1, '甲')"));
        const qint32 key =
            InsertWithRandomId(QStringLiteral("logdata"), QStringLiteral("logid"), [](qint32 id) {
                Conn.exec(QStringLiteral("insert into logdata (logid, GetEditID) values (?, 5)"), {id});
            });
        save.commit();
        EXPECT_EQ(key, 15);
        EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from company")).toInt(), 1);
        EXPECT_EQ(Conn.scalar(QStringLiteral("select GetEditID from logdata where logid = 15")).toInt(), 5);
    }
    {
        // Other errors are not retried, and a source of taken keys ends in the engine's error.
        const ScriptedKeys keys({16, 11});
        EXPECT_THROW(InsertWithRandomId(
                         QStringLiteral("logdata"), QStringLiteral("logid"),
                         [](qint32 id) { Conn.exec(QStringLiteral("insert into nosuch values (?)"), {id}); }),
                     DbError);
        EXPECT_THROW(WriteLog(1, 1, 1), DbError);
    }
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from logdata")).toInt(), 4);
    EXPECT_EQ(Conn.transactionDepth(), 0);
}

TEST_F(DbLayerTest, FillComboWithAndWithoutRows)
{
    QComboBox combo;
    QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);
    const QString none =
        QStringLiteral("select * from AffairClass where AffairClassid < 0 order by GetAffairClassOrder");
    FillCombo(&combo, none, QStringLiteral("AffairClassname"), QStringLiteral("AffairClassid"), QString(), 0,
              true);
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(combo.currentIndex(), -1);
    EXPECT_EQ(changed.count(), 0);

    FillCombo(&combo, none, QStringLiteral("AffairClassname"), QStringLiteral("AffairClassid"),
              QStringLiteral("所有方式"), 0, true);
    ASSERT_EQ(combo.count(), 1);
    EXPECT_EQ(combo.currentIndex(), 0);
    EXPECT_EQ(changed.count(), 1);

    FillCombo(&combo, QStringLiteral("select * from AffairClass order by GetAffairClassOrder"),
              QStringLiteral("AffairClassname"), QStringLiteral("AffairClassid"), QStringLiteral("所有方式"),
              0, false);
    EXPECT_EQ(combo.currentIndex(), -1);
    ASSERT_EQ(combo.count(), 6);
    EXPECT_EQ(combo.itemText(1), QStringLiteral("电话"));
    EXPECT_EQ(ItemData(&combo, 0), 0);
    EXPECT_EQ(ItemData(&combo, 1), 1);
    EXPECT_EQ(ItemData(&combo, 99), 0);

    // The selection at the end raises the handler once, after the control is full.
    int countAtSignal = -1;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, [&](int) { countAtSignal = combo.count(); });
    FillCombo(&combo, QStringLiteral("select * from AffairSubject where AffairSubjectname = ?"),
              QStringLiteral("AffairSubjectname"), QStringLiteral("AffairSubjectid"), QString(), 0, true,
              {QStringLiteral("收款")});
    EXPECT_EQ(combo.count(), 1);
    EXPECT_EQ(countAtSignal, 1);
    EXPECT_EQ(ItemData(&combo, 0), 4);
}

TEST_F(DbLayerTest, FillListLikeFillCombo)
{
    QListWidget list;
    FillList(&list, QStringLiteral("select * from logoperate order by LogOperateid"),
             QStringLiteral("LogOperatename"), QStringLiteral("LogOperateid"), QStringLiteral("全部"), -5,
             true);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(ItemData(&list, 0), -5);
    EXPECT_EQ(list.item(2)->text(), QStringLiteral("修改"));
    EXPECT_EQ(ItemData(&list, 2), 2);
}

TEST_F(DbLayerTest, MissingForeignAndWronglyKeyedFilesAreRefusedByName)
{
    CloseDatabase();
    CloseDatabase(); // closing twice is harmless
    EXPECT_THROW(Rs1.Open(QStringLiteral("select 1"), Conn), DbError);

    const QString path = DatabasePath();
    QFile::rename(path, path + QStringLiteral(".away"));
    try {
        OpenDatabase();
        FAIL() << "opened a missing file";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("不存在")));
    }

    QFile foreign(path);
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(QByteArray("这不是数据库文件 not a database").repeated(100));
    foreign.close();
    try {
        OpenDatabase();
        FAIL() << "opened a foreign file";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("密码错误")));
    }
    EXPECT_FALSE(Conn.isOpen());

    QFile::remove(path);
    QFile::rename(path + QStringLiteral(".away"), path);
    Database wrongKey;
    EXPECT_THROW(wrongKey.open(path, QStringLiteral("hwd305862")), DbError);
    OpenDatabase();
    EXPECT_TRUE(Conn.isOpen());
}
