#include "core/moneytochinese.h"

#include <cmath>

#include <QLocale>

namespace {

const QString Digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");

// The amount rounded half up to two decimals, as decimal digits without the point (at least
// three of them). Working on the shortest decimal text that reads back as the amount keeps 1.005
// rounding to 1.01 as it was typed, writes the same digits as the amount in figures beside it
// (also past the 15 digits a double holds exactly), and has no upper bound.
QString roundedCents(double amount)
{
    QString text = QString::number(amount, 'f', QLocale::FloatingPointShortest);
    if (!text.contains(QLatin1Char('.')))
        text += QLatin1Char('.');
    while (text.size() - text.indexOf(QLatin1Char('.')) < 4)
        text += QLatin1Char('0');
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString digits = text.left(point) + text.mid(point + 1, 2);
    if (text.at(point + 3) >= QLatin1Char('5')) {
        qsizetype i = digits.size() - 1;
        while (i >= 0 && digits.at(i) == QLatin1Char('9'))
            digits[i--] = QLatin1Char('0');
        if (i < 0)
            digits.prepend(QLatin1Char('1'));
        else
            digits[i] = QChar(digits.at(i).unicode() + 1);
    }
    while (digits.size() > 3 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return digits;
}

QChar digit(QChar d)
{
    return Digits.at(d.digitValue());
}

// The place unit of position k counted from the right (1 = ones). Beyond 仟万 the units go on
// in the usual way: 亿 at position 9, 万 at 13, 亿 at 17, each followed by 拾佰仟.
QString unit(int k)
{
    if (k == 1)
        return QStringLiteral("元");
    switch ((k - 1) % 4) {
    case 1:
        return QStringLiteral("拾");
    case 2:
        return QStringLiteral("佰");
    case 3:
        return QStringLiteral("仟");
    }
    return ((k - 1) / 4) % 2 == 1 ? QStringLiteral("万") : QStringLiteral("亿");
}

// The full group word of the group holding position k: 万 for 5-8, 亿 for 9-12, 万亿 for 13-16.
QString groupWord(int k)
{
    const int group = (k - 1) / 4;
    QString word = group % 2 == 1 ? QStringLiteral("万") : QString();
    for (int i = 0; i < group / 2; ++i)
        word += QStringLiteral("亿");
    return word;
}

QString positiveAmount(double amount)
{
    const QString cents = roundedCents(amount);
    const QString whole = cents.left(cents.size() - 2);
    const QChar t = cents.at(cents.size() - 2);
    const QChar h = cents.at(cents.size() - 1);

    const bool even = t == QLatin1Char('0') && h == QLatin1Char('0');
    QString decimals = even ? QStringLiteral("整")
                            : QString(digit(t)) + QStringLiteral("角") + digit(h) + QStringLiteral("分");
    if (whole == QLatin1String("0"))
        return decimals;

    const int length = int(whole.size());
    int start = 1;
    if (even) {
        int zeros = 0;
        while (zeros < length - 1 && whole.at(length - 1 - zeros) == QLatin1Char('0'))
            ++zeros;
        if (zeros > 0) {
            start = zeros + 1;
            // The skipped positions took the group word with them (伍佰万元整); the lowest
            // written position carries only the first part of it when it starts the group itself.
            QString word = groupWord(start);
            if ((start - 1) % 4 == 0)
                word.remove(0, 1);
            decimals = word + QStringLiteral("元整");
        }
    }

    QString text;
    for (int k = start; k <= length; ++k)
        text.prepend(digit(whole.at(length - k)) + unit(k));
    return text + decimals;
}

} // namespace

QString MoneyToChinese(double Amount)
{
    if (!std::isfinite(Amount))
        return QString();
    if (Amount == 0)
        return QStringLiteral("零");
    if (Amount < 0) {
        // An amount that rounds to nothing has no sign worth writing.
        const QString text = positiveAmount(-Amount);
        return roundedCents(-Amount) == QLatin1String("000") ? text : QStringLiteral("负") + text;
    }
    return positiveAmount(Amount);
}
