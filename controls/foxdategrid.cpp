#include "controls/foxdategrid.h"

#include <QDateTime>

#include "controls/chacndate.h"
#include "controls/solarterms.h"

namespace {

// The cell's line shows only two characters; a month's first day shows the month ("十一", "润四").
QString lunarLine(const QString& text)
{
    return text.left(2);
}

QString jieQiLine(int number, const QDateTime& moment)
{
    return JieQiName().at(number - 1) +
           QStringLiteral(":%1").arg(moment.time().hour(), 2, 10, QLatin1Char('0')) +
           QString::fromUtf8("点") +
           QStringLiteral("%1").arg(moment.time().minute(), 2, 10, QLatin1Char('0')) +
           QString::fromUtf8("分");
}

void fillLunarLines(FoxDateMonth& grid)
{
    QString text;
    int day = 0;    // lunar day minus one of the current cell
    int length = 0; // days of the current lunar month
    for (int k = 0; k < FoxDateCells; ++k) {
        FoxDateCell& cell = grid.cells[k];
        if (k == 0 || day == length) {
            text = ChaCnDate(cell.date, false);
            if (text.size() < 3) // outside the lunar table: leave the rest blank
                return;
            day = text.mid(text.size() - 3, 2).toInt();
            length = 29 + text.right(1).toInt();
        }
        cell.lunarInk = cell.inMonth ? FoxDateInk::AllDate : FoxDateInk::NoCurMonth;
        if (day == 0) {
            cell.lunarText = lunarLine(text);
            if (cell.inMonth)
                cell.lunarInk = FoxDateInk::CnMonthStar;
        } else {
            cell.lunarText = CnDayName().at(day);
        }
        ++day;
    }
}

void markSolarTerm(FoxDateMonth& grid, int number, QString& line)
{
    const QDateTime moment = CurDateJieQi(grid.year, number);
    line = jieQiLine(number, moment);
    const qint64 cell = grid.first.daysTo(moment.date());
    if (cell >= 0 && cell < FoxDateCells) {
        grid.cells[cell].lunarText = JieQiName().at(number - 1);
        grid.cells[cell].lunarInk = FoxDateInk::JieQi;
    }
}

} // namespace

int FoxDateCellOfDay(int year, int month, int day)
{
    const QDate first(year, month, 1);
    if (!first.isValid() || day < 1 || day > first.daysInMonth())
        return -1;
    return first.dayOfWeek() % 7 + day - 1; // Qt counts Sunday as 7
}

FoxDateMonth BuildFoxDateMonth(int year, int month, const QDate& selDate, const QDate& today)
{
    FoxDateMonth grid;
    grid.year = year;
    grid.month = month;
    const QDate firstOfMonth(year, month, 1);
    grid.first = firstOfMonth.addDays(-(firstOfMonth.dayOfWeek() % 7));

    for (int k = 0; k < FoxDateCells; ++k) {
        FoxDateCell& cell = grid.cells[k];
        cell.date = grid.first.addDays(k);
        cell.inMonth = cell.date.year() == year && cell.date.month() == month;
        if (!cell.inMonth)
            cell.dayInk = FoxDateInk::NoCurMonth;
        else if (k % 7 == 0)
            cell.dayInk = FoxDateInk::SunDay;
        else if (k % 7 == 6)
            cell.dayInk = FoxDateInk::SatDay;
        else
            cell.dayInk = FoxDateInk::AllDate;
    }
    fillLunarLines(grid);
    markSolarTerm(grid, 2 * month - 1, grid.jieQiLine1);
    markSolarTerm(grid, 2 * month, grid.jieQiLine2);

    if (today.year() == year && today.month() == month)
        grid.todayCell = FoxDateCellOfDay(year, month, today.day());
    if (selDate.isValid() && selDate.year() == year && selDate.month() == month)
        grid.selectedCell = FoxDateCellOfDay(year, month, selDate.day());
    return grid;
}

void FoxDateClampMonth(const QDate& date, int& year, int& month)
{
    if (date.year() < FoxDateFirstYear) {
        year = FoxDateFirstYear;
        month = 1;
    } else if (date.year() > FoxDateLastYear) {
        year = FoxDateLastYear;
        month = 12;
    } else {
        year = date.year();
        month = date.month();
    }
}
