#include <array>
#include <iostream>
#include <string>

#include <QCoreApplication>
#include <QProcess>

#include "affairs/affairgeneration.h"
#include "affairs/regularschedule.h"
#include "platform/transaction.h"
#include "tests/affairs/affairtestdata.h"

namespace {

using Generation = AffairTest;

QVariant field(const QString& column, qint32 regular, const QDate& day)
{
    return Conn.scalar(
        QStringLiteral("select %1 from affair where GetAffairRegular = ? and AffairDate = ?").arg(column),
        {regular, day});
}

} // namespace

TEST_F(Generation, RunningADayAgainRefreshesTheAffairsAndAddsNone)
{
    addUser(2, QStringLiteral("lisi"));
    addRegular(101, QStringLiteral("周会"), Weekly, QStringLiteral("3"), 2, 0, 1, QStringLiteral("备注"));
    addRegular(102, QStringLiteral("日报"), Daily, QString());
    addRegular(103, QStringLiteral("坏的每月"), Monthly, QStringLiteral("32"));
    addRegular(104, QStringLiteral("零周期"), EveryNDays, QStringLiteral("20110901000"));
    addRegular(105, QStringLiteral("未知种类"), 9, QStringLiteral("1"));
    addRegular(106, QStringLiteral("别人的"), Daily, QString(), 0, 0, 2);
    addClient(7, QStringLiteral("王五"), QStringLiteral("1970-09-22"));

    EXPECT_TRUE(MakeRegularAffairs(today, 0, true).isValid());
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular <> 0")), 3);
    EXPECT_EQ(field(QStringLiteral("Affairname"), 101, today).toString(), QStringLiteral("周会"));
    EXPECT_EQ(field(QStringLiteral("RemainDate"), 101, today).toInt(), 2);
    EXPECT_EQ(field(QStringLiteral("RegularRemark"), 101, today).toString(), QStringLiteral("备注"));
    EXPECT_EQ(field(QStringLiteral("GetAffairClass"), 101, today).toInt(), 2);
    EXPECT_EQ(field(QStringLiteral("GetAffairSubject"), 101, today).toInt(), 3);
    // A generated affair belongs to the recurring affair's owner, whoever generated it.
    EXPECT_EQ(field(QStringLiteral("createuser"), 106, today).toInt(), 2);
    EXPECT_EQ(field(QStringLiteral("isover"), 101, today).toInt(), 0);
    // The birthday pass ran at the end.
    EXPECT_EQ(count(QStringLiteral("Affairname = '客户生日' and AffairDate = '2011-09-22'")), 1);

    // The user's progress stays; what the recurring affair says now is copied over.
    Conn.exec(QStringLiteral("update affair set isover = -1, isclose = -1 where GetAffairRegular = 101"));
    Conn.exec(QStringLiteral(
        "update AffairRegular set AffairRegularname = '周例会', RemainDate = 1, GetClient = 7, "
        "GetAffairClass = 4, createuser = 2, RegularRemark = null where AffairRegularId = 101"));
    const qint64 before = count(QStringLiteral("1 = 1"));
    EXPECT_EQ(MakeRegularAffairs(today, 101, true), today);
    EXPECT_EQ(count(QStringLiteral("1 = 1")), before);
    EXPECT_EQ(field(QStringLiteral("Affairname"), 101, today).toString(), QStringLiteral("周例会"));
    EXPECT_EQ(field(QStringLiteral("RemainDate"), 101, today).toInt(), 1);
    EXPECT_EQ(field(QStringLiteral("GetClient"), 101, today).toInt(), 7);
    EXPECT_EQ(field(QStringLiteral("GetAffairClass"), 101, today).toInt(), 4);
    EXPECT_EQ(field(QStringLiteral("createuser"), 101, today).toInt(), 2);
    EXPECT_TRUE(field(QStringLiteral("RegularRemark"), 101, today).isNull());
    EXPECT_EQ(field(QStringLiteral("isover"), 101, today).toInt(), -1);
    EXPECT_EQ(field(QStringLiteral("isclose"), 101, today).toInt(), -1);

    // Invalid schedules, unknown ids and, without the right, other users' rows give no day.
    EXPECT_FALSE(MakeRegularAffairs(today, 103, true).isValid());
    EXPECT_FALSE(MakeRegularAffairs(today, 104, true).isValid());
    EXPECT_FALSE(MakeRegularAffairs(today, 105, true).isValid());
    EXPECT_FALSE(MakeRegularAffairs(today, 999, true).isValid());
    CanSeeAllUser = false;
    EXPECT_FALSE(MakeRegularAffairs(today, 106, true).isValid());
    CanSeeAllUser = true;
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular in (103, 104, 105)")), 0);

    // Without the create flag the day is computed, nothing generated, but birthdays are made.
    addClient(8, QStringLiteral("赵六"), QStringLiteral("1990-09-24"));
    EXPECT_EQ(MakeRegularAffairs(today.addDays(1), 101, false), QDate(2011, 9, 27));
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 101")), 1);
    EXPECT_EQ(count(QStringLiteral("GetClient = 8 and AffairDate = '2011-09-24'")), 1);
}

TEST_F(Generation, TheListOpeningCoversTodayTomorrowAndTheDayAfter)
{
    addRegular(101, QStringLiteral("周会"), Weekly, QStringLiteral("3"));
    addRegular(102, QStringLiteral("日报"), Daily, QString());
    addRegular(103, QStringLiteral("月底"), Monthly, QStringLiteral("31"));
    addRegular(104, QStringLiteral("每五天"), EveryNDays, QStringLiteral("20110915005"));
    MakeComingAffairs();
    MakeComingAffairs();
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 101")), 2); // 20 and 27 September
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 102")), 3);
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 103 and AffairDate = '2011-10-31'")), 1);
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 104")), 2); // 20 and 25 September
    EXPECT_EQ(count(QStringLiteral("1 = 1")), 8);

    // On 31 December the call for 2 January finds 1 January, before that day: run again, it is
    // refreshed, not doubled.
    addRegular(105, QStringLiteral("元旦"), Yearly, QStringLiteral("0101"));
    SetAffairToday(QDate(2011, 12, 31));
    EXPECT_EQ(MakeRegularAffairs(QDate(2012, 1, 2), 105, true), QDate(2012, 1, 1));
    EXPECT_EQ(MakeRegularAffairs(QDate(2012, 1, 2), 105, true), QDate(2012, 1, 1));
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 105 and AffairDate = '2012-01-01'")), 1);
}

TEST_F(Generation, BirthdaysFollowTheNameTheCalendarAndTheClientsOwner)
{
    addUser(2, QStringLiteral("lisi"));
    addClient(1, QStringLiteral("O'Brien"), QStringLiteral("1980-09-23"), 2);
    addClient(2, QStringLiteral("后天后"), QStringLiteral("1980-09-24"));
    addClient(3, QStringLiteral("无生日"), QVariant());
    MakeBirthdayAffairs(today);
    MakeBirthdayAffairs(today);
    EXPECT_EQ(count(QStringLiteral("1 = 1")), 1);
    const QString remark = QStringLiteral("为客户[O'Brien]庆祝生日。");
    EXPECT_EQ(count(QStringLiteral("RegularRemark = ? and AffairDate = '2011-09-23' and GetClient = 1 and "
                                   "createuser = 2 and RemainDate = 3 and GetAffairClass = 1 and "
                                   "GetAffairSubject = 1 and GetAffairRegular = 0"),
                    {remark}),
              1);

    // An existing row keeps its owner and progress. A rename in letter case only is the same remark
    // to the database: the row takes the new spelling, no second affair comes.
    Conn.exec(QStringLiteral("update affair set createuser = 1, isover = -1"));
    Conn.exec(QStringLiteral("update client set clientname = 'o''brien' where clientid = 1"));
    MakeBirthdayAffairs(today);
    EXPECT_EQ(count(QStringLiteral("1 = 1")), 1);
    EXPECT_EQ(count(QStringLiteral("createuser = 1 and isover <> 0 and RegularRemark = ? collate binary"),
                    {QStringLiteral("为客户[o'brien]庆祝生日。")}),
              1);
    // A real rename gets a second affair; the old one stays.
    Conn.exec(QStringLiteral("update client set clientname = 'Brien' where clientid = 1"));
    MakeBirthdayAffairs(today);
    EXPECT_EQ(count(QStringLiteral("1 = 1")), 2);
    EXPECT_EQ(count(QStringLiteral("RegularRemark = ? and createuser = 2"),
                    {QStringLiteral("为客户[Brien]庆祝生日。")}),
              1);

    // Without the right only the user's own clients count.
    Conn.exec(QStringLiteral("delete from affair"));
    CanSeeAllUser = false;
    MakeBirthdayAffairs(today.addDays(1));
    EXPECT_EQ(count(QStringLiteral("GetClient = 2")), 1);
    EXPECT_EQ(count(QStringLiteral("GetClient = 1")), 0);
}

TEST_F(Generation, BirthdaysOnTheCalendarsEdges)
{
    addClient(1, QStringLiteral("三月五"), QStringLiteral("1975-03-05"));
    addClient(2, QStringLiteral("闰日"), QStringLiteral("1984-02-29"));
    addClient(3, QStringLiteral("元旦"), QStringLiteral("1960-01-01"));
    const auto birthdayOn = [](qint32 client, const char* day) {
        return Conn
            .scalar(QStringLiteral("select count(*) from affair where GetClient = ? and AffairDate = ?"),
                    {client, QString::fromLatin1(day)})
            .toInt();
    };
    const auto runFor = [](const QDate& realToday, const QDate& from) {
        SetAffairToday(realToday);
        MakeBirthdayAffairs(from);
    };

    runFor(QDate(2011, 3, 1), QDate(2011, 3, 1));
    EXPECT_EQ(count(QStringLiteral("GetClient = 1")), 0);
    runFor(QDate(2011, 3, 6), QDate(2011, 3, 6));
    EXPECT_EQ(count(QStringLiteral("GetClient = 1")), 0);
    runFor(QDate(2011, 3, 2), QDate(2011, 3, 2));
    runFor(QDate(2011, 3, 5), QDate(2011, 3, 5));
    EXPECT_EQ(birthdayOn(1, "2011-03-05"), 1);
    EXPECT_EQ(count(QStringLiteral("GetClient = 1")), 1);

    // 29 February: on the 28th in common years, on the 29th in leap years.
    runFor(QDate(2011, 2, 25), QDate(2011, 2, 25));
    EXPECT_EQ(birthdayOn(2, "2011-02-28"), 1);
    runFor(QDate(2012, 2, 27), QDate(2012, 2, 27));
    EXPECT_EQ(birthdayOn(2, "2012-02-29"), 1);
    EXPECT_EQ(count(QStringLiteral("GetClient = 2")), 2);

    // Across the year end: today 31 December, the list's call for 2 January still finds 1 January.
    runFor(QDate(2011, 12, 31), QDate(2012, 1, 2));
    EXPECT_EQ(birthdayOn(3, "2012-01-01"), 1);
}

// A second copy of the program opening the affair list: run as a process of its own by the test
// below (not on its own), it opens the database, says "ready", and generates on a line of input.
TEST(GenerationCopy, DISABLED_GeneratesTheComingDaysOnRequest)
{
    Conn.open(qEnvironmentVariable("DEZAROD_AFFAIR_DB"), DatabasePassword);
    CurUserID = 1;
    CanSeeAllUser = true;
    SetAffairToday(QDate::fromString(qEnvironmentVariable("DEZAROD_AFFAIR_DAY"), Qt::ISODate));
    std::cout << "ready" << std::endl;
    std::string go;
    std::getline(std::cin, go);
    MakeComingAffairs();
    Conn.close();
}

TEST_F(Generation, TwoCopiesOpeningTheListAtOnceMakeNoDoubles)
{
    {
        Transaction tx(Conn);
        for (int i = 1; i <= 200; ++i) {
            addRegular(1000 + i, QStringLiteral("日程%1").arg(i), Daily, QString());
            addClient(i, QStringLiteral("客户%1").arg(i), QStringLiteral("1980-09-21"));
        }
        tx.commit();
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DEZAROD_AFFAIR_DB"), DatabasePath());
    environment.insert(QStringLiteral("DEZAROD_AFFAIR_DAY"), today.toString(Qt::ISODate));
    std::array<QProcess, 2> copies;
    for (QProcess& copy : copies) {
        copy.setProcessEnvironment(environment);
        copy.start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=GenerationCopy.*"),
                    QStringLiteral("--gtest_also_run_disabled_tests")});
        QByteArray output;
        while (!output.contains("ready") && copy.waitForReadyRead(20000))
            output += copy.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ready")) << output.toStdString();
    }
    // Both are told at once: each line is sent before either copy is waited for.
    for (QProcess& copy : copies)
        copy.write("go\n");
    for (QProcess& copy : copies)
        copy.waitForBytesWritten(5000);
    for (QProcess& copy : copies) {
        ASSERT_TRUE(copy.waitForFinished(60000));
        const QByteArray output = copy.readAllStandardOutput();
        EXPECT_EQ(copy.exitCode(), 0) << output.toStdString() << copy.readAllStandardError().toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular <> 0")), 600);
    EXPECT_EQ(count(QStringLiteral("Affairname = '客户生日'")), 200);
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select count(*) from (select 1 from affair group by GetAffairRegular, "
                                   "AffairDate, RegularRemark having count(*) > 1)"))
            .toInt(),
        0);
}
