#include "sales/exactdecimal.h"

#include <cmath>

#include <QLocale>

namespace {

__int128 powerOfTen(int n)
{
    __int128 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

__int128 magnitude(__int128 v)
{
    return v < 0 ? -v : v;
}

// units / divisor rounded to a whole number, a half to the even neighbour.
__int128 divideHalfEven(__int128 units, __int128 divisor)
{
    __int128 quotient = units / divisor;
    const __int128 rest = magnitude(units % divisor);
    const __int128 twice = rest * 2;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        quotient += units < 0 ? -1 : 1;
    return quotient;
}

} // namespace

std::optional<ExactDecimal> ExactDecimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return fromText(QString::number(value, 'f', QLocale::FloatingPointShortest));
}

std::optional<ExactDecimal> ExactDecimal::fromText(const QString& text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QStringView body = QStringView(text).mid(negative ? 1 : 0);
    __int128 units = 0;
    int scale = 0;
    bool point = false;
    bool digits = false;
    // Decimals past MaxScale only decide the rounding of the last kept one.
    bool beyondHalf = false;
    int firstDropped = -1;
    constexpr __int128 limit = (__int128(1) << 124);
    for (const QChar c : body) {
        if (c == QLatin1Char('.')) {
            if (point)
                return std::nullopt;
            point = true;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        digits = true;
        const int d = c.digitValue();
        if (point && scale == MaxScale) {
            if (firstDropped < 0)
                firstDropped = d;
            else if (d != 0)
                beyondHalf = true;
            continue;
        }
        if (units > limit / 10)
            return std::nullopt;
        units = units * 10 + d;
        if (point)
            ++scale;
    }
    if (!digits)
        return std::nullopt;
    if (firstDropped > 5 || (firstDropped == 5 && (beyondHalf || units % 2 != 0)))
        ++units;
    return ExactDecimal(negative ? -units : units, scale);
}

std::optional<__int128> ExactDecimal::unitsAt(int scale) const
{
    __int128 units = 0;
    if (__builtin_mul_overflow(m_units, powerOfTen(scale - m_scale), &units))
        return std::nullopt;
    return units;
}

std::optional<ExactDecimal> ExactDecimal::times(qint64 factor) const
{
    __int128 units = 0;
    if (__builtin_mul_overflow(m_units, __int128(factor), &units))
        return std::nullopt;
    return ExactDecimal(units, m_scale);
}

std::optional<ExactDecimal> ExactDecimal::plus(const ExactDecimal& other) const
{
    const int scale = std::max(m_scale, other.m_scale);
    const std::optional<__int128> a = unitsAt(scale);
    const std::optional<__int128> b = other.unitsAt(scale);
    __int128 sum = 0;
    if (!a || !b || __builtin_add_overflow(*a, *b, &sum))
        return std::nullopt;
    return ExactDecimal(sum, scale);
}

ExactDecimal ExactDecimal::rounded(int decimals) const
{
    if (m_scale <= decimals)
        return *this;
    return ExactDecimal(divideHalfEven(m_units, powerOfTen(m_scale - decimals)), decimals);
}

QString ExactDecimal::text(int minDecimals) const
{
    QString digits;
    __int128 rest = magnitude(m_units);
    do {
        digits.prepend(QChar(u'0' + int(rest % 10)));
        rest /= 10;
    } while (rest != 0);
    // At least one digit before the point; trailing zeros of the decimals go, down to minDecimals.
    if (digits.size() <= m_scale)
        digits.prepend(QString(m_scale - digits.size() + 1, QLatin1Char('0')));
    int decimals = m_scale;
    while (decimals > minDecimals && digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
        --decimals;
    }
    while (decimals < minDecimals) {
        digits.append(QLatin1Char('0'));
        ++decimals;
    }
    if (decimals > 0)
        digits.insert(digits.size() - decimals, QLatin1Char('.'));
    return m_units < 0 ? QLatin1Char('-') + digits : digits;
}

double ExactDecimal::toDouble() const
{
    // Reading the decimal text gives the double nearest to it.
    return text().toDouble();
}

void MoneyTotal::add(qint64 count, double price)
{
    m_approx += double(count) * price;
    if (!m_exact)
        return;
    const std::optional<ExactDecimal> value = ExactDecimal::fromDouble(price);
    const std::optional<ExactDecimal> line = value ? value->times(count) : std::nullopt;
    const std::optional<ExactDecimal> sum = line ? m_sum.plus(*line) : std::nullopt;
    if (sum)
        m_sum = *sum;
    else
        m_exact = false;
}

double MoneyTotal::cents() const
{
    return m_exact ? m_sum.rounded(2).toDouble() : RoundMoney(m_approx);
}

double RoundMoney(double value)
{
    const std::optional<ExactDecimal> exact = ExactDecimal::fromDouble(value);
    if (!exact)
        return value; // infinite, or far beyond any amount with cents
    const ExactDecimal cents = exact->rounded(2);
    // An amount that rounds to nothing keeps no sign.
    return cents.isZero() ? 0.0 : cents.toDouble();
}

QString CentsText(double value)
{
    const std::optional<ExactDecimal> exact = ExactDecimal::fromDouble(value);
    if (!exact)
        return QString::number(value, 'f', 2);
    const ExactDecimal cents = exact->rounded(2);
    return cents.isZero() ? QStringLiteral("0.00") : cents.text(2);
}
