#pragma once

#include <QDate>
#include <QString>

#include "affairs/affairtoday.h"

// The recurrence kinds of a recurring affair (AffairRegular.RegularType) and their schedule texts
// (RegularData):
//   0 every N days  "yyyymmdd" of the start followed by N as three digits ("20110911005")
//   1 daily         ""
//   2 weekly        the weekday digit, 1 = Sunday ... 7 = Saturday
//   3 monthly       the day of the month, 1 to 31 ("01" or "5")
//   4 yearly        "mmdd", any day of a year except 29 February
enum RegularKind : qint16
{
    EveryNDays = 0,
    Daily = 1,
    Weekly = 2,
    Monthly = 3,
    Yearly = 4,
};

// RegularData when it is a valid schedule of the kind, else the kind's default (every N days:
// today followed by "005"; daily ""; weekly "1"; monthly "01"; yearly "0101"). Only digit strings
// count as numbers. A kind outside 0 to 4 keeps a digit string and gets "" for anything else.
QString NormalizeRegularData(qint16 RegularType, const QString& RegularData,
                             const QDate& today = AffairToday());

// The first due day on or after fromDate of a stored schedule; invalid when the schedule is not
// valid for its kind (it differs from its normalised form), the kind is outside 0 to 4 or the
// cycle of an every-N-days schedule is below 1. A yearly schedule is placed in the year of today,
// or the next year when that day lies before fromDate.
QDate NextDueDay(qint16 RegularType, const QString& RegularData, const QDate& fromDate,
                 const QDate& today = AffairToday());

// A stored schedule read once, so that many due days can be computed from it.
class RegularSchedule
{
public:
    RegularSchedule(qint16 RegularType, const QString& RegularData);

    // Valid for its kind, of a kind 0 to 4 and, every N days, with a cycle of at least 1.
    bool isValid() const { return m_valid; }
    // As NextDueDay.
    QDate nextDueDay(const QDate& fromDate, const QDate& today) const;

private:
    qint16 m_kind = 0;
    bool m_valid = false;
    QDate m_start;    // every N days
    int m_number = 0; // N, the weekday digit or the day of the month
    int m_month = 0;  // yearly
    int m_day = 0;    // yearly
};

// The weekday digit of a day: 1 = Sunday ... 7 = Saturday.
int WeekdayDigit(const QDate& day);

// The number of days a reminder lead must stay below (0 for the daily kind: the lead must be 0).
int RegularCycle(qint16 RegularType, int everyNDays);

// The start day and cycle of an every-N-days schedule (the schedule must be valid).
QDate EveryNDaysStart(const QString& RegularData);
int EveryNDaysCycle(const QString& RegularData);
