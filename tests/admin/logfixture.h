#pragma once

#include <QDate>
#include <QString>

#include "core/dblayer.h"
#include "tests/support/fixtures.h"
#include "tests/support/testrows.h"

// A database with a second user, 陈经理 (2), and a client of admin's, 林小姐 (11), for log entries.
class LogTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        AddUserRow(2, QStringLiteral("陈经理"));
        AddClientRow(11, QStringLiteral("林小姐"));
    }

    // One log entry of user, stamped at time ("hh:mm:ss") of day.
    static void log(int id, int user, int operate, int logClass, int editId, const QDate& day,
                    const char* time)
    {
        Conn.exec(QStringLiteral("insert into logdata values (?, ?, ?, ?, ?, ?)"),
                  {id, user, operate, logClass, editId,
                   day.toString(QStringLiteral("yyyy-MM-dd ")) + QString::fromLatin1(time)});
    }
};
