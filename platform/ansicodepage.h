#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The system's "ANSI code page" is GBK (code page 936): the ini file is kept in it and the
// scramblers take character codes from it.
QByteArray ToAnsi(const QString& text);
QString FromAnsi(const QByteArray& bytes);

// The character's code in the code page, as a signed 16-bit value the way Asc() gave it:
// a single byte below 256 as it is, a double-byte character as (lead << 8 | trail) - 65536.
// A character the code page cannot hold gives the code of "?" (63).
int AnsiCode(QChar ch);
int AnsiCode(const QString& character);
// The character of a code in the code page (the reverse of AnsiCode).
QString AnsiChar(int code);

// A single-byte character of the code page: its code is below 128.
bool IsSingleByte(QChar ch);

// How every search reads its text: whether the first character is a single-byte character of the
// code page (its code is 1 or more, as AnsiCode gives it, "€" included). Such a text is looked
// for among the pinyin initials, any other among the names; a character the code page cannot
// hold (an emoji, 𠮷) is not single-byte.
bool StartsWithSingleByte(const QString& text);
