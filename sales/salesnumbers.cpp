#include "sales/salesnumbers.h"

#include <cmath>
#include <limits>

#include <QLocale>

#include "sales/exactdecimal.h"

bool IsPlainNumber(const QString& text, bool allowDot)
{
    int digits = 0;
    int dots = 0;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && allowDot && dots == 0)
            ++dots;
        else
            return false;
    }
    return digits > 0;
}

double NumberValue(const QString& text)
{
    if (!IsPlainNumber(text, true))
        return 0;
    // A text such as "5." or ".5" is read as 5 and 0.5.
    QString t = text;
    if (t.startsWith(QLatin1Char('.')))
        t.prepend(QLatin1Char('0'));
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    return t.toDouble();
}

qint32 WholeValue(const QString& text)
{
    if (!IsPlainNumber(text, false))
        return 0;
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > qulonglong(std::numeric_limits<qint32>::max()))
        return 0;
    return qint32(value);
}

QString AmountText(double value)
{
    // The shortest decimal that reads back as the stored amount, never in exponent form.
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString PriceText(double value)
{
    if (std::fabs(value) >= 1)
        return AmountText(value);
    return CentsText(value);
}

bool AddQuantity(qint32* count, qint32 more)
{
    const qint64 sum = qint64(*count) + more;
    if (sum < 1 || sum > std::numeric_limits<qint32>::max())
        return false;
    *count = qint32(sum);
    return true;
}
