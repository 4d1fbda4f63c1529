#include "controls/solarterms.h"

#include <cmath>

#include <QTimeZone>

namespace {

// MMDDhhmm in UTC+8 per year and term.
const int momentTable[][24] = {
#include "controls/data/solarterms.inc"
};

constexpr int tableYears = int(sizeof(momentTable) / sizeof(momentTable[0]));
static_assert(tableYears == JieQiLastYear - JieQiFirstYear + 1);

const QTimeZone& chinaStandardTime()
{
    static const QTimeZone zone(8 * 3600);
    return zone;
}

} // namespace

const QStringList& JieQiName()
{
    static const QStringList names = [] {
        QStringList list;
        for (const char* name :
             {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
              "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"})
            list << QString::fromUtf8(name);
        return list;
    }();
    return names;
}

QDateTime CurDateJieQi(int CurYear, int JieQiNum)
{
    if (JieQiNum < 1 || JieQiNum > 24)
        return QDateTime();
    if (CurYear < JieQiFirstYear || CurYear > JieQiLastYear)
        return JieQiByFormula(CurYear, JieQiNum);
    const int value = momentTable[CurYear - JieQiFirstYear][JieQiNum - 1];
    const QDate date(CurYear, value / 1000000, value / 10000 % 100);
    const QTime time(value / 100 % 100, value % 100);
    return QDateTime(date, time, chinaStandardTime());
}

QDateTime JieQiByFormula(int CurYear, int JieQiNum)
{
    static const int offsets[24] = {0,      21208,  42467,  63836,  85337,  107014, 128867, 150921,
                                    173149, 195551, 218072, 240693, 263343, 285989, 308563, 331033,
                                    353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758};
    if (JieQiNum < 1 || JieQiNum > 24)
        return QDateTime();
    const double minutes = 525948.768 * (CurYear - 1900) + offsets[JieQiNum - 1];
    const QDateTime base(QDate(1900, 1, 6), QTime(3, 8), chinaStandardTime());
    return base.addSecs(qint64(std::floor(minutes)) * 60);
}
