#include "core/scramblepassword.h"

#include <array>
#include <cstdlib>

#include "platform/ansicodepage.h"

namespace {

const QString KeyText = QStringLiteral("tovasplinery");

struct Step
{
    int target;
    int first;
    int second;
};

// Positions counted from 1, applied in this order.
constexpr std::array<Step, 15> Steps = {{{3, 25, 29},
                                         {9, 19, 23},
                                         {15, 13, 17},
                                         {21, 7, 11},
                                         {27, 1, 5},
                                         {2, 9, 11},
                                         {8, 21, 23},
                                         {14, 15, 17},
                                         {20, 3, 5},
                                         {26, 27, 29},
                                         {4, 20, 19},
                                         {10, 25, 26},
                                         {16, 7, 8},
                                         {22, 13, 14},
                                         {28, 1, 2}}};

// The character written for a computed code. Codes the code page holds as one character (ASCII
// and 128, the euro sign) are taken from it; any other code (lone lead bytes, and the large
// differences that double-byte characters give) stands for the character of the same Unicode
// value, so that every code gives exactly one character.
QChar codeChar(int code)
{
    if (code < 128)
        return QChar(code);
    if (code == 128)
        return AnsiChar(code).at(0);
    return QChar(char16_t(code));
}

} // namespace

bool IsNumericText(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = t.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i < n && QStringLiteral("eEdD").contains(t.at(i))) {
        ++i;
        if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
            ++i;
        int exponentDigits = 0;
        for (; i < n && t.at(i) >= QLatin1Char('0') && t.at(i) <= QLatin1Char('9'); ++i)
            ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == n;
}

QString ScramblePassword(const QString& Text)
{
    QString s = Text;
    while (s.size() < 25)
        s += KeyText;
    s.truncate(25);

    QString f = s.mid(0, 5);
    for (int group = 1; group < 5; ++group)
        f += QLatin1Char('-') + s.mid(group * 5, 5);

    if (IsNumericText(QString(f).replace(QLatin1Char('-'), QLatin1Char('0'))))
        return QStringLiteral("False");

    // The steps work on the codes themselves: a computed code from 129 up has no character in the
    // code page that would read back as the same code.
    std::array<int, 29> codes{};
    for (int i = 0; i < 29; ++i)
        codes[i] = AnsiCode(f.at(i));
    std::array<bool, 29> computed{};
    for (const Step& step : Steps) {
        int c = std::abs(codes[step.first - 1] - codes[step.second - 1]) + 48;
        if (c >= 58 && c <= 64)
            c += 7;
        codes[step.target - 1] = c;
        computed[step.target - 1] = true;
    }
    for (int i = 0; i < 29; ++i) {
        if (computed[i])
            f[i] = codeChar(codes[i]);
    }
    return f.replace(QLatin1Char('-'), QLatin1Char('C'));
}
