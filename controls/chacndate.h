#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The Chinese lunar calendar of the calendar control: lunar years 1900 to 2049, that is the days
// from 1900-01-31 (lunar new year 1900) on.

constexpr int CnFirstYear = 1900;
constexpr int CnLastYear = 2049;

// "正月" ... "腊月", 12 entries.
const QStringList& CnMonthName();
// "初一" ... "三十": entry k names lunar day k + 1.
const QStringList& CnDayName();
// One row per lunar year from 1900, index year - 1900: MMDD of the lunar new year, one digit per
// month in calendar order (1 = 30 days, 0 = 29) and, for a year with a leap month, two digits
// naming the month the leap month follows.
const QStringList& CnYearData();

// The lunar month and day of GetDate ("八月十四", "润四月初一"). Without IsCnChr three digits follow
// for the calendar's own use: the lunar day minus one and the month's length digit ("八月十四130").
// Empty for a day the table does not cover (before 1900-01-31 or after 2049-12-31).
QString ChaCnDate(const QDate& GetDate, bool IsCnChr);
