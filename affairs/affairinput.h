#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Reading and checking what the affair dialogs' boxes hold.

// The message of a refused save: "部分数据发生错误：", the numbered errors (each text begins with
// "、") and "请修改后再进行保存。".
QString SaveErrorsMessage(const QStringList& errors);

// The error of a date box whose text reads as no date.
inline const QString UnreadableDateError = QStringLiteral("、日期输入出错，请手动输入");

// A number of days typed in a box: its leading number rounded to whole days (halves to the even
// neighbour); 0 when the text holds no number; the nearest 32-bit value when it does not fit.
qint32 DaysValue(const QString& text);

// The month and day of a yearly schedule's box ("mm月dd日", or a full date) as "mmdd"; 29 February
// becomes "0228", as when it is picked. Empty when the text reads as no day of the year.
QString ReadMonthDayBox(const QString& text);
