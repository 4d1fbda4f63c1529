#include "analysis/analysisvalues.h"

#include <cmath>
#include <cstdlib>

#include "controls/datefield.h"
#include "controls/foxdate.h"

double TenThousandYuan(double sum)
{
    // 万元 with two decimals are units of 100 yuan, that is of 10000 fen.
    const long long fen = std::llround(sum * 100.0);
    long long units = fen / 10000;
    const long long rest = std::llabs(fen % 10000);
    const int sign = fen < 0 ? -1 : 1;
    if (rest > 5000 || (rest == 5000 && (units % 2) != 0))
        units += sign;
    return static_cast<double>(units) / 100.0;
}

QString PlainNumber(double value, int significant)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    const int intDigits = std::max(1, int(std::floor(std::log10(std::fabs(value)))) + 1);
    const int decimals = std::max(0, significant - intDigits);
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString SingleText(float value)
{
    return PlainNumber(double(value), 7);
}

QDate MonthStart(const QString& monthText)
{
    return DateField::readDate(monthText + QStringLiteral("-1"), QDate::currentDate());
}

QString MonthText(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM"));
}

QString SteppedMonth(const QDate& firstDay, int step)
{
    return MonthText(firstDay.addDays(step == 0 ? -20 : 32));
}

QDate NextMonthStart(const QDate& day)
{
    return QDate(day.year(), day.month(), 1).addMonths(1);
}
