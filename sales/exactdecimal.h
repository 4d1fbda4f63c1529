#pragma once

#include <optional>

#include <QString>

// Money is stored as binary floating point, but means the decimal that was typed. This unit works
// on that decimal exactly, so that sums and roundings do not depend on binary approximations.

// An exact decimal number: a whole number of units of 10^-scale, in 128 bits.
class ExactDecimal
{
public:
    // At most this many decimals are kept; a value with more is rounded to them.
    static constexpr int MaxScale = 18;

    ExactDecimal() = default;

    // The decimal a double stands for: the shortest decimal text that reads back as it. None for
    // an infinity, a NaN or a value too large for 128 bits.
    static std::optional<ExactDecimal> fromDouble(double value);
    // A plain decimal text: an optional minus sign, digits and at most one point ("12.5", ".5",
    // "5."). None for anything else or a value too large.
    static std::optional<ExactDecimal> fromText(const QString& text);

    // The product with a whole number, the sum with another decimal; none when the result
    // leaves the 128-bit range.
    std::optional<ExactDecimal> times(qint64 factor) const;
    std::optional<ExactDecimal> plus(const ExactDecimal& other) const;

    // Rounded to that many decimals, a half going to the even neighbour.
    ExactDecimal rounded(int decimals) const;

    bool isZero() const { return m_units == 0; }
    // Plain text with at least minDecimals decimals, no exponent ("0.12", "12.5", "-3").
    QString text(int minDecimals = 0) const;
    // The double nearest to the decimal (0.43 gives the same double as the literal 0.43).
    double toDouble() const;

private:
    ExactDecimal(__int128 units, int scale) : m_units(units), m_scale(scale) {}
    // The same value with the given larger scale; none when it leaves the range.
    std::optional<__int128> unitsAt(int scale) const;

    __int128 m_units = 0;
    int m_scale = 0;
};

// Sums quantity × price exactly and hands the sum back rounded to cents, a half to even. A sum
// beyond the 128-bit range (no order of real prices reaches it) is kept in double precision.
class MoneyTotal
{
public:
    void add(qint64 count, double price);
    double cents() const;

private:
    ExactDecimal m_sum;
    bool m_exact = true;
    double m_approx = 0;
};

// An amount rounded to cents, a half to the even neighbour, as the decimal it stands for
// (0.125 gives 0.12, 1.005 gives 1.0 although its double lies just below 1.005).
double RoundMoney(double value);

// An amount rounded to cents the same way, as text with two decimals ("0.13", "0.50").
QString CentsText(double value);
