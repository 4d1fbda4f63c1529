#pragma once

#include <stdexcept>

#include <QString>

// DezArod.ini in the program's folder: lines "[key]value" in the GBK code page. Only SkinId is read.

// The file could not be created or read.
class IniFileError : public std::runtime_error
{
public:
    explicit IniFileError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

inline const QString IniFileName = QStringLiteral("DezArod.ini");
QString IniFilePath();

// Creates the file with the single line "[SkinId]3" when there is none.
void EnsureIniFile(const QString& path);
// The SkinId the file names; 0 when no line names a usable one.
qint32 ReadIniSkinId(const QString& path);
// The same from the file's text: of the lines whose key (between "[" and the first "]", trimmed,
// any case) is "skinid", the last one counts.
qint32 SkinIdFromIniText(const QString& text);

// The number a text starts with: blanks, tabs and line feeds are skipped wherever they stand, the
// reading stops at the first character that cannot continue the number; no number gives 0.
double LeadingNumber(const QString& text);
// value rounded to a whole number, halves to the even neighbour; false when it does not fit 32 bits.
bool RoundToInt32(double value, qint32* result);
