#include "platform/ansicodepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray ToAnsi(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString FromAnsi(const QByteArray& bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

int AnsiCode(const QString& character)
{
    if (character.isEmpty())
        return 0;
    const QByteArray bytes = ToAnsi(character.left(character.at(0).isHighSurrogate() ? 2 : 1));
    if (bytes.size() == 1)
        return static_cast<unsigned char>(bytes.at(0));
    if (bytes.size() == 2) {
        const int code =
            (static_cast<unsigned char>(bytes.at(0)) << 8) | static_cast<unsigned char>(bytes.at(1));
        return code - 65536;
    }
    return '?';
}

int AnsiCode(QChar ch)
{
    return AnsiCode(QString(ch));
}

QString AnsiChar(int code)
{
    const int value = code < 0 ? code + 65536 : code;
    QByteArray bytes;
    if (value > 255)
        bytes.append(static_cast<char>(value >> 8));
    bytes.append(static_cast<char>(value & 0xFF));
    return FromAnsi(bytes);
}

bool IsSingleByte(QChar ch)
{
    return ch.unicode() < 128;
}

bool StartsWithSingleByte(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QString first = text.left(text.at(0).isHighSurrogate() ? 2 : 1);
    const QByteArray bytes = ToAnsi(first);
    // A character the code page lacks is encoded as a stand-in ("?"), which does not read back.
    return bytes.size() == 1 && bytes.at(0) != 0 && FromAnsi(bytes) == first;
}
