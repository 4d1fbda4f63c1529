#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The date windows of the operation log, in the order of the viewer's option buttons.
enum class LogDateWindow
{
    Today = 0,
    TwoDays = 1,
    ThreeDays = 2,
    SevenDays = 3,
    All = 4,
    Day = 5
};

// What the log viewer filters by. A key of 0 means "all".
struct LogFilter
{
    LogDateWindow window = LogDateWindow::Today;
    // With LogDateWindow::Day: that day only, or (range) that day and every later day.
    QDate day;
    bool range = false;
    // Counts only for users who may see all users; the others see only their own entries.
    qint32 userId = 0;
    qint32 operateId = 0;
    qint32 classId = 0;
};

// One line of the log list.
struct LogEntry
{
    qint32 logId = 0;
    QString operateName;
    QString className;
    // Found through the class's SqlStr; empty when the object or its query is gone.
    QString objectName;
    QString day; // yyyy-mm-dd
    // Empty on the logged-in user's own entries and for users who may not see all users.
    QString userName;

    bool operator==(const LogEntry&) const = default;
};

// The entries of the log that pass the filter, newest first, for the logged-in user (CurUserID,
// CanSeeAllUser). today is the local day the date windows count from.
QList<LogEntry> SearchLogEntries(const LogFilter& filter, const QDate& today);
