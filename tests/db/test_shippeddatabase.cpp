#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include "core/dblayer.h"
#include "platform/dberror.h"
#include "platform/recordset.h"
#include "tests/support/fixtures.h"

using ShippedDatabaseTest = DbTest;

TEST_F(ShippedDatabaseTest, FileIsEncryptedOnDisk)
{
    CloseDatabase();
    QFile file(DatabasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(4096);
    EXPECT_FALSE(head.startsWith("SQLite format 3"));
    // No table name or seed text is readable in the raw bytes.
    file.seek(0);
    const QByteArray all = file.readAll();
    EXPECT_EQ(all.indexOf("CREATE TABLE"), -1);
    EXPECT_EQ(all.indexOf(QStringLiteral("思明区").toUtf8()), -1);

    Database noKey;
    EXPECT_THROW(noKey.open(DatabasePath(), QString()), DbError);
    OpenDatabase();
    EXPECT_FALSE(Conn.scalar(QStringLiteral("PRAGMA cipher_version")).toString().isEmpty());
}

TEST_F(ShippedDatabaseTest, ClassificationTablesNamedInClientSixClassExist)
{
    Recordset six;
    six.Open(QStringLiteral("select * from ClientSixClass order by ClientSixClassGetOrder limit 6"), Conn);
    ASSERT_EQ(six.RecordCount(), 6);
    while (!six.Eof()) {
        const QString t = six.Text(QStringLiteral("ClientSixTableName"));
        EXPECT_FALSE(t.contains(QLatin1Char('|')));
        EXPECT_FALSE(six.Text(QStringLiteral("ClientSixClassName")).contains(QLatin1Char('|')));
        ASSERT_TRUE(QRegularExpression(QStringLiteral("^[A-Za-z]+$")).match(t).hasMatch()) << t.toStdString();
        Recordset values;
        values.Open(QStringLiteral("select %1id, %1name, %1getorder from %1 order by %1getorder").arg(t), Conn);
        EXPECT_GE(values.RecordCount(), 3) << t.toStdString();
        // The client row links to a value through get<T>.
        Recordset link;
        link.Open(QStringLiteral("select get%1 from client").arg(t), Conn);
        EXPECT_TRUE(link.IsOpen());
        six.MoveNext();
    }
}

TEST_F(ShippedDatabaseTest, EveryLogClassQueryRuns)
{
    Conn.exec(QStringLiteral("insert into client (clientid, clientname) values (11, '张三')"));
    Conn.exec(QStringLiteral("insert into orderdata (orderid, GetClient) values (22, 11)"));
    Recordset classes;
    classes.Open(QStringLiteral("select * from logclass order by LogClassid"), Conn);
    ASSERT_EQ(classes.RecordCount(), 8);
    int id = 1;
    while (!classes.Eof()) {
        EXPECT_EQ(classes.Int(QStringLiteral("LogClassid")), id++);
        // The stored text followed by the edited id is a complete query.
        const QString sql = classes.Text(QStringLiteral("SqlStr"));
        const int key = classes.Int(QStringLiteral("LogClassid")) == 8 ? 22 : 11;
        Recordset name;
        EXPECT_NO_THROW(name.Open(sql + QString::number(key), Conn)) << sql.toStdString();
        classes.MoveNext();
    }
    EXPECT_EQ(Conn.scalar(QStringLiteral("select SqlStr from logclass where LogClassid = 7")).toString() + "11",
              QStringLiteral("select clientname from client where clientid=11"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from logoperate where LogOperateid in (1, 2)")).toInt(), 2);
}

TEST_F(ShippedDatabaseTest, ReferenceRowsThePartsRelyOn)
{
    EXPECT_EQ(Conn.scalar(QStringLiteral("select username from userdata where userid = 1")).toString(),
              QStringLiteral("admin"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select CanUserManage from UserClass where UserClassID = "
                                         "(select GetUserClassID from userdata where userid = 1)"))
                  .toInt(),
              -1);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from setup where setupname = '公司名称'")).toInt(), 1);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from AffairClass where AffairClassid = 1")).toInt(), 1);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from AffairSubject where AffairSubjectid = 1")).toInt(), 1);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select ContractClassID from ContractClass where ContractClassname = '邮箱'")).toInt(), 5);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from ContractClass where ContractClassname = '网址'")).toInt(), 1);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from ContractClass where ButtonName in "
                                         "('打开网页', '发送ＱＱ', '发送邮件')"))
                  .toInt(),
              3);
    EXPECT_GE(Conn.scalar(QStringLiteral("select count(*) from ProductUnit")).toInt(), 3);
    // New rows get the engine's Yes/No default of False.
    Conn.exec(QStringLiteral("insert into affair (affairid) values (1)"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select isover + isclose + GetAffairRegular from affair")).toInt(), 0);
}

TEST_F(ShippedDatabaseTest, RegionCodesResolve)
{
    const int code = 350203;
    EXPECT_EQ(Conn.scalar(QStringLiteral("select provincename from AreaProvince where provinceid = ?"), {code / 10000}).toString(),
              QStringLiteral("福建省"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select cityname from areacity where cityid = ?"), {code / 100}).toString(),
              QStringLiteral("厦门市"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select Countryname from areaCountry where Countryid = ?"), {code}).toString(),
              QStringLiteral("思明区"));
    // Every county lies in a city and every city in a province.
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from areaCountry where Countryid / 100 not in "
                                         "(select cityid from areacity)"))
                  .toInt(),
              0);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from areacity where cityid / 100 not in "
                                         "(select provinceid from AreaProvince)"))
                  .toInt(),
              0);
    EXPECT_GE(Conn.scalar(QStringLiteral("select count(*) from AreaProvince")).toInt(), 31);
}

TEST_F(ShippedDatabaseTest, CommonCharactersHaveAnInitial)
{
    const auto initial = [](const QString& ch) {
        return Conn.scalar(QStringLiteral("select substr(pinyin, 1, 1) from mypinyin where instr(hanzi, ?) > 0 limit 1"), {ch})
            .toString();
    };
    EXPECT_EQ(initial(QStringLiteral("张")), QStringLiteral("z"));
    EXPECT_EQ(initial(QStringLiteral("厦")), QStringLiteral("x"));
    EXPECT_EQ(initial(QStringLiteral("曾")), QStringLiteral("z"));
    EXPECT_EQ(initial(QStringLiteral("李")), QStringLiteral("l"));
    EXPECT_EQ(initial(QStringLiteral("王")), QStringLiteral("w"));
    // Each character stands in exactly one row.
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from mypinyin where instr(hanzi, '张') > 0")).toInt(), 1);
}

TEST(InitDbToolTest, RefusesToOverwriteAndBuildsAnOpenableFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("DezArod.mdb"));
    const QString tool = QStringLiteral(DEZAROD_BIN_DIR "/dezarod-initdb");
    EXPECT_EQ(QProcess::execute(tool, {target}), 0);
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_FALSE(QFile::exists(target + QStringLiteral(".partial")));
    EXPECT_NE(QProcess::execute(tool, {target}), 0);

    // A broken source folder leaves no file behind.
    const QString broken = dir.filePath(QStringLiteral("other.mdb"));
    EXPECT_NE(QProcess::execute(tool, {QStringLiteral("--source"), dir.path(), broken}), 0);
    EXPECT_FALSE(QFile::exists(broken));
    EXPECT_FALSE(QFile::exists(broken + QStringLiteral(".partial")));

    Database db;
    db.open(target, DatabasePassword);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from areaCountry where Countryid = 350203")).toInt(), 1);
}
