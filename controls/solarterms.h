#pragma once

#include <QDateTime>
#include <QStringList>

// The 24 solar terms: "小寒" (number 1, early January) ... "冬至" (number 24).
const QStringList& JieQiName();

// The years whose moments come from the astronomical table.
constexpr int JieQiFirstYear = 1901;
constexpr int JieQiLastYear = 2049;

// The moment of solar term JieQiNum (1 to 24) in the year CurYear, in China Standard Time (UTC+8)
// to the minute (seconds cut, so the date is the day of the true moment). Outside
// JieQiFirstYear..JieQiLastYear the mean-motion formula stands in. Invalid for a JieQiNum outside
// 1 to 24.
QDateTime CurDateJieQi(int CurYear, int JieQiNum);

// The mean-motion formula: 525948.768 minutes a year and fixed offsets from 1900-01-06 03:08.
// Off from the true moment by up to three hours.
QDateTime JieQiByFormula(int CurYear, int JieQiNum);
