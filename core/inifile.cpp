#include "core/inifile.h"

#include <cfenv>
#include <cmath>
#include <limits>

#include <QFile>
#include <QRegularExpression>

#include "core/dblayer.h"
#include "core/programfolder.h"
#include "platform/ansicodepage.h"

QString IniFilePath()
{
    return ProgramFile(IniFileName);
}

void EnsureIniFile(const QString& path)
{
    if (QFile::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ToAnsi(QStringLiteral("[SkinId]3\r\n"))) < 0)
        throw IniFileError(QStringLiteral("路径/文件访问错误：%1（%2）").arg(path, file.errorString()));
}

qint32 ReadIniSkinId(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IniFileError(QStringLiteral("路径/文件访问错误：%1（%2）").arg(path, file.errorString()));
    return SkinIdFromIniText(FromAnsi(file.readAll()));
}

qint32 SkinIdFromIniText(const QString& text)
{
    qint32 skinId = 0;
    // Lines end in CR LF as written, but a file edited here may end them in LF alone.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineEnd);
    for (const QString& line : lines) {
        const qsizetype p1 = line.indexOf(QLatin1Char('[')) + 1;
        const qsizetype p2 = line.indexOf(QLatin1Char(']')) + 1;
        if (p2 <= p1)
            continue;
        const QString key = TrimText(line.mid(p1, p2 - p1 - 1)).toLower();
        if (key != QLatin1String("skinid"))
            continue;
        qint32 value = 0;
        // A value beyond 32 bits names no skin.
        skinId = RoundToInt32(LeadingNumber(line.mid(p2)), &value) ? value : 0;
    }
    return skinId;
}

double LeadingNumber(const QString& text)
{
    QString s;
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            s += c;
    }
    qsizetype i = 0;
    const auto isDigit = [&](qsizetype at) {
        return at < s.size() && s.at(at) >= QLatin1Char('0') && s.at(at) <= QLatin1Char('9');
    };
    QByteArray number;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
        number += char(s.at(i++).unicode());
    bool digits = false;
    while (isDigit(i)) {
        number += char(s.at(i++).unicode());
        digits = true;
    }
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        number += '.';
        ++i;
        while (isDigit(i)) {
            number += char(s.at(i++).unicode());
            digits = true;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only with at least one digit after its letter and sign.
    if (i < s.size() && QStringLiteral("eEdD").contains(s.at(i))) {
        qsizetype j = i + 1;
        QByteArray exponent = "e";
        if (j < s.size() && (s.at(j) == QLatin1Char('+') || s.at(j) == QLatin1Char('-')))
            exponent += char(s.at(j++).unicode());
        if (isDigit(j)) {
            while (isDigit(j))
                exponent += char(s.at(j++).unicode());
            number += exponent;
        }
    }
    // Read in the C locale; a number too large for a double comes back as infinity.
    return number.toDouble();
}

bool RoundToInt32(double value, qint32* result)
{
    if (!std::isfinite(value))
        return false;
    const int oldMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(oldMode);
    if (rounded < double(std::numeric_limits<qint32>::min()) ||
        rounded > double(std::numeric_limits<qint32>::max()))
        return false;
    *result = qint32(rounded);
    return true;
}
