#pragma once

#include <QString>

// The one-way form in which login passwords are stored: 29 characters, or the text "False" for a
// password whose first 25 characters are all digits.
QString ScramblePassword(const QString& Text);

// Whether text reads as a number, as a numeric test of text does: blanks around it, a sign,
// digits with at most one decimal point, an optional exponent.
bool IsNumericText(const QString& text);
