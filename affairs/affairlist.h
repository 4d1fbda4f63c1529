#pragma once

#include <vector>

#include <QDate>
#include <QString>
#include <QStringList>

// The filters of the affair list, as its option groups and drop-downs set them.
struct AffairFilter
{
    enum DateWindow
    {
        BeforeToday = 0,
        Today = 1,
        Tomorrow = 2,
        DayAfterTomorrow = 3,
        AllDays = 4
    };
    enum State
    {
        Set = 0,
        NotSet = 1,
        Either = 2
    };

    int dateWindow = Today;
    int done = NotSet;
    int closed = NotSet;
    qint32 wayId = 0;    // 0: every way
    qint32 typeId = 0;   // 0: every type
    qint32 clientId = 0; // 0: every client
    qint32 userId = 0;   // 0: every user (the filter counts only with CanSeeAllUser)
};

// One listed affair.
struct AffairListRow
{
    qint32 id = 0;
    QString name;
    bool regular = false; // generated from a recurring affair
    QDate date;
    QString clientName;
    QString way;
    QString type;
    bool done = false;
    bool closed = false;
    qint32 owner = 0;
    QString ownerName;
};

// The affairs the filter lets through, visible to the user: all users' (or the one chosen) with
// CanSeeAllUser, else the user's own. The day windows list an affair on day D when D lies within
// its reminder period (AffairDate - RemainDate to AffairDate); "before today" and "all" list the
// latest first, the day windows the earliest first. Affairs whose client row is gone lose the link
// in the database (in one transaction) and are listed without a client.
std::vector<AffairListRow> SearchAffairList(const AffairFilter& filter, const QDate& today);

// The "提醒" cell: "今日" for today, "N日后" for a later day, nothing for an earlier one.
QString ReminderText(const QDate& date, const QDate& today);

// The grid texts of a row, columns 1 to 11 (key, name, kind, day, reminder, client, way, type,
// done, closed, user): the user's name only for other users' affairs and only with CanSeeAllUser.
QStringList AffairRowCells(const AffairListRow& row, const QDate& today);
