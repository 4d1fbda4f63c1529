#pragma once

#include <QDate>
#include <QString>

// Money in the statistics is shown in 万元: the sum divided by 10000, rounded to two decimals with
// halves going to the even neighbour. The sum is taken to whole fen first, so that the binary
// error of summed REAL amounts cannot move a value across a half.
double TenThousandYuan(double sum);

// A number as plain decimal text: no thousands separator, no trailing zeros, at most
// `significant` significant digits (7 for single-precision values).
QString PlainNumber(double value, int significant = 15);
// A single-precision value as the windows show it.
QString SingleText(float value);

// The first day of the month that a month text ("yyyy-mm", also typed as "2011-3") stands for:
// the date of the text followed by "-1". Invalid when the text reads as no month.
QDate MonthStart(const QString& monthText);
// A day's month as the month field holds it: "yyyy-mm".
QString MonthText(const QDate& day);
// The month text one month before (step 0) or after (step 1) the month beginning on firstDay:
// 20 days back or 32 days forward from the first day always land in the neighbouring month.
QString SteppedMonth(const QDate& firstDay, int step);
// The first day of the month after the month of day: the open end of a month's range.
QDate NextMonthStart(const QDate& day);
