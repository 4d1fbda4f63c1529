#include "controls/numberfilter.h"

#include "platform/ansicodepage.h"

int FilterNumberKey(int keyAscii, const QString& currentText, bool userDot, const QString& otherChars)
{
    QString admitted = QStringLiteral("1234567890");
    admitted += QChar(8);
    admitted += QChar(22);
    admitted += QChar(3);
    admitted += QChar(13);
    admitted += otherChars;
    if (userDot && !currentText.contains(QLatin1Char('.')))
        admitted += QLatin1Char('.');
    const QString typed = AnsiChar(keyAscii);
    if (typed.isEmpty() || keyAscii == 0 || !admitted.contains(typed, Qt::CaseSensitive))
        return 0;
    return keyAscii;
}
