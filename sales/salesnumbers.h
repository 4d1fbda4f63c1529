#pragma once

#include <QString>

#include "sales/exactdecimal.h" // RoundMoney and the exact sums of money

// How the sales windows read the numbers typed into their boxes and show stored amounts. There is
// one strict reading: digits, with one decimal point where decimals are allowed; anything else
// (signs, blanks, letters, a second point) is no number.

// What a box takes: any text, digits, or digits with one decimal point.
enum class BoxKind
{
    Text,
    Whole,
    Decimal
};

// Whether text is a number of that reading (an empty text is none).
bool IsPlainNumber(const QString& text, bool allowDot);
// The value of a plain number (decimals allowed); 0 for an empty text or one that is no number.
double NumberValue(const QString& text);
// A typed key or quantity: the value of a plain digit string that fits 32 bits, else 0.
qint32 WholeValue(const QString& text);

// A stored number as its plain text: no exponent, no trailing zeros (12.5, 12, 0.5).
QString AmountText(double value);
// A price as the lists show it: its plain text from 1 up, below 1 rounded to two decimals as the
// totals are (0.50, 0.00, 0.125 as 0.12).
QString PriceText(double value);

// Adds more to a quantity; false, leaving it unchanged, when the sum leaves the 32-bit range.
bool AddQuantity(qint32* count, qint32 more);
