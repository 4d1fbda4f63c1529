#pragma once

#include <array>

#include <QDate>
#include <QString>

// The months the calendar shows: those of the lunar table whose grid it can fill.
constexpr int FoxDateFirstYear = 1901;
constexpr int FoxDateLastYear = 2049;
constexpr int FoxDateCells = 42;

// Which of the calendar's colour properties a text is drawn in.
enum class FoxDateInk
{
    NoCurMonth,
    SunDay,
    SatDay,
    AllDate,
    CnMonthStar,
    JieQi
};

struct FoxDateCell
{
    QDate date;
    bool inMonth = false; // only days of the shown month react to the mouse
    QString lunarText;    // two characters at most: lunar day, lunar month or solar term
    FoxDateInk dayInk = FoxDateInk::NoCurMonth;
    FoxDateInk lunarInk = FoxDateInk::NoCurMonth;
};

// One shown month: 6 weeks from the Sunday on or before the first of the month.
struct FoxDateMonth
{
    int year = 0;
    int month = 0;
    QDate first; // the day of cell 0
    std::array<FoxDateCell, FoxDateCells> cells;
    QString jieQiLine1; // "清明:12点08分"
    QString jieQiLine2;
    int todayCell = -1;    // -1 when today is not in the month
    int selectedCell = -1; // -1 when SelDate is not in the month
};

// Builds the grid of year/month (which must lie in FoxDateFirstYear..FoxDateLastYear).
FoxDateMonth BuildFoxDateMonth(int year, int month, const QDate& selDate, const QDate& today);

// The cell of a day of the shown month, -1 for a day outside it.
int FoxDateCellOfDay(int year, int month, int day);

// The month to show for a date: its own, or the nearest month in range.
void FoxDateClampMonth(const QDate& date, int& year, int& month);
