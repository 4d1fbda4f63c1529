#include <gtest/gtest.h>

#include "admin/logsearch.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "tests/admin/logfixture.h"
#include "tests/support/fixtures.h"

namespace {

const QDate Today(2024, 3, 15);

// Log entries of user 1 (admin) and user 2 around Today, one of them stamped by a machine whose
// clock runs a day ahead.
class LogSearchTest : public LogTest
{
protected:
    void SetUp() override
    {
        LogTest::SetUp();
        Conn.exec(QStringLiteral(
            "insert into company (companyid, companyname, createuser) values (21, '鹭江贸易', 1)"));
        // A class whose name query is missing.
        Conn.exec(QStringLiteral("insert into logclass values (9, '其他', NULL)"));
        log(1, 1, 1, 1, 11, Today, "09:00:00");
        log(2, 2, 2, 5, 77, Today.addDays(-1), "18:00:00"); // the product no longer exists
        log(3, 1, 2, 1, 11, Today.addDays(-2), "08:00:00");
        log(4, 2, 1, 9, 5, Today.addDays(-6), "12:00:00");
        log(5, 1, 1, 2, 21, Today.addDays(-7), "23:59:59");
        log(6, 2, 1, 1, 11, Today.addDays(1), "00:00:01");
        CurUserID = 1;
        CanSeeAllUser = true;
    }

    static QList<int> ids(const LogFilter& filter)
    {
        QList<int> result;
        for (const LogEntry& entry : SearchLogEntries(filter, Today))
            result << entry.logId;
        return result;
    }
    static QList<int> ids(LogDateWindow window) { return ids(LogFilter{window}); }
    static QList<int> ids(const QDate& day, bool range)
    {
        return ids(LogFilter{LogDateWindow::Day, day, range});
    }
};

} // namespace

TEST_F(LogSearchTest, DateWindowsCountBackFromTodayNewestFirst)
{
    EXPECT_EQ(ids(LogDateWindow::Today), QList<int>{1});
    // The windows of several days have no upper bound: the entry dated tomorrow is in them.
    EXPECT_EQ(ids(LogDateWindow::TwoDays), (QList<int>{6, 1, 2}));
    EXPECT_EQ(ids(LogDateWindow::ThreeDays), (QList<int>{6, 1, 2, 3}));
    EXPECT_EQ(ids(LogDateWindow::SevenDays), (QList<int>{6, 1, 2, 3, 4}));
    EXPECT_EQ(ids(LogDateWindow::All), (QList<int>{6, 1, 2, 3, 4, 5}));

    EXPECT_EQ(ids(Today.addDays(-1), false), QList<int>{2});
    EXPECT_EQ(ids(Today.addDays(-7), false), QList<int>{5}) << "the last second of the day counts";
    EXPECT_EQ(ids(Today.addDays(-2), true), (QList<int>{6, 1, 2, 3}));
    EXPECT_EQ(ids(Today.addDays(-3), false), QList<int>{});
}

TEST_F(LogSearchTest, FiltersNamesAndUserColumn)
{
    LogFilter all{LogDateWindow::All};
    const QList<LogEntry> entries = SearchLogEntries(all, Today);
    ASSERT_EQ(entries.size(), 6);
    // Own entries leave the user column empty; a missing object or class query leaves the name empty.
    EXPECT_EQ(entries.at(1), (LogEntry{1, QStringLiteral("新增"), QStringLiteral("客户"),
                                       QStringLiteral("林小姐"), QStringLiteral("2024-03-15"), QString()}));
    EXPECT_EQ(entries.at(2), (LogEntry{2, QStringLiteral("修改"), QStringLiteral("单件商品"), QString(),
                                       QStringLiteral("2024-03-14"), QStringLiteral("陈经理")}));
    EXPECT_EQ(entries.at(4).objectName, QString());
    EXPECT_EQ(entries.at(4).className, QStringLiteral("其他"));
    EXPECT_EQ(entries.at(5).objectName, QStringLiteral("鹭江贸易"));
    EXPECT_EQ(entries.at(0).objectName, QStringLiteral("林小姐"));

    LogFilter byUser = all;
    byUser.userId = 2;
    EXPECT_EQ(ids(byUser), (QList<int>{6, 2, 4}));
    LogFilter byOperation = all;
    byOperation.operateId = 2;
    EXPECT_EQ(ids(byOperation), (QList<int>{2, 3}));
    LogFilter byClass = all;
    byClass.classId = 1;
    EXPECT_EQ(ids(byClass), (QList<int>{6, 1, 3}));
    LogFilter combined{LogDateWindow::ThreeDays, {}, false, 1, 2, 1};
    EXPECT_EQ(ids(combined), QList<int>{3});

    // Without the right a user sees only the own entries, whatever user the filter names.
    CanSeeAllUser = false;
    CurUserID = 2;
    byUser.userId = 1;
    const QList<LogEntry> own = SearchLogEntries(byUser, Today);
    ASSERT_EQ(own.size(), 3);
    EXPECT_EQ(own.at(0).logId, 6);
    EXPECT_EQ(own.at(1).logId, 2);
    EXPECT_EQ(own.at(2).logId, 4);
    for (const LogEntry& entry : own)
        EXPECT_EQ(entry.userName, QString());
}
