#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>

#include "core/dblayer.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/dberror.h"
#include "platform/recordset.h"
#include "tests/support/fixtures.h"

using WriteLogTest = DbTest;

TEST_F(WriteLogTest, OneRowPerCallWithTheCallersCodesAndTheUser)
{
    CurUserID = 7;
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    WriteLog(2, 1, 123);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    Recordset rs;
    rs.Open(QStringLiteral("select * from logdata"), Conn);
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Int(QStringLiteral("CreateUser")), 7);
    EXPECT_EQ(rs.Int(QStringLiteral("GetLogOperate")), 2);
    EXPECT_EQ(rs.Int(QStringLiteral("GetLogClass")), 1);
    EXPECT_EQ(rs.Int(QStringLiteral("GetEditID")), 123);
    const qint64 id = rs.Int(QStringLiteral("logid"));
    EXPECT_GE(id, 1);
    EXPECT_LE(id, 99999998);

    const QString logDate = rs.Text(QStringLiteral("logDate"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(logDate)
                    .hasMatch())
        << logDate.toStdString();
    const QDateTime stamped = QDateTime::fromString(logDate, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    EXPECT_GE(stamped, before.addMSecs(-before.time().msec()));
    EXPECT_LE(stamped, after);

    WriteLog(1, 2, 456);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from logdata")).toInt(), 2);
}

TEST_F(WriteLogTest, RowsOfTheSameSecondGetDifferentKeysAndTheSameSortableDate)
{
    CurUserID = 1;
    // Single-digit month, day and hour: a locale's short form would drop their zeros.
    const QDateTime when(QDate(2024, 3, 5), QTime(9, 7, 3));
    WriteLog(1, 7, 500, when);
    WriteLog(2, 8, 500, when);

    Recordset rs;
    rs.Open(QStringLiteral("select logid, logDate from logdata order by GetLogClass"), Conn);
    ASSERT_EQ(rs.RecordCount(), 2);
    const qint64 first = rs.Int(QStringLiteral("logid"));
    EXPECT_EQ(rs.Text(QStringLiteral("logDate")), QStringLiteral("2024-03-05 09:07:03"));
    rs.MoveNext();
    EXPECT_NE(rs.Int(QStringLiteral("logid")), first);
    EXPECT_EQ(rs.Text(QStringLiteral("logDate")), QStringLiteral("2024-03-05 09:07:03"));
}

TEST_F(WriteLogTest, DatabaseErrorsReachTheCaller)
{
    CloseDatabase();
    EXPECT_THROW(WriteLog(1, 1, 1), DbError);
}
