#include "platform/mailmessage.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr qsizetype Base64LineLength = 76;
// Bytes of text per encoded word: 45 bytes give 60 base64 characters, so that a word with its
// "=?gb2312?B?" frame stays within the 75 characters RFC 2047 allows.
constexpr qsizetype BytesPerWord = 45;

QByteArray encodeText(const QString& text, const QByteArray& charset)
{
    if (charset == "utf-8")
        return text.toUtf8();
    QStringEncoder encoder(charset.constData());
    return encoder.encode(text);
}

bool fitsCharset(const QString& text, const char* charset)
{
    QStringEncoder encoder(charset);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(charset);
    return decoder.decode(bytes) == text;
}

bool isPlainHeaderText(const QString& text)
{
    if (text.size() > 60)
        return false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || u > 0x7E || c == QLatin1Char('"') || c == QLatin1Char('\\'))
            return false;
    }
    // "=?" would be read as the start of an encoded word.
    return !text.contains(QStringLiteral("=?"));
}

// Atoms of a display name need no quoting: letters, digits, blanks and a few signs.
bool isPlainPhrase(const QString& text)
{
    static const QString reserved = QStringLiteral("()<>[]:;@\\,.\"");
    if (!isPlainHeaderText(text))
        return false;
    for (const QChar c : text) {
        if (reserved.contains(c))
            return false;
    }
    return true;
}

// The sender's name as the phrase before the address: as it stands when made of atoms; in quotes
// when it is printable ASCII with signs that would split or end the address ("Zhang, San",
// "a@b", "(x)"); otherwise encoded words, which carry any character.
QByteArray displayNamePhrase(const QString& name, const QByteArray& charset)
{
    if (isPlainPhrase(name))
        return name.toLatin1();
    const bool printableAscii = std::all_of(
        name.begin(), name.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E; });
    if (!printableAscii)
        return EncodeHeaderText(name, charset);
    QByteArray quoted = name.toLatin1();
    quoted.replace('\\', "\\\\");
    quoted.replace('"', "\\\"");
    return '"' + quoted + '"';
}

QByteArray base64Lines(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / Base64LineLength * 2 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += Base64LineLength) {
        out += encoded.mid(i, Base64LineLength);
        out += "\r\n";
    }
    return out;
}

QString crlfLines(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return t;
}

// A file name as an RFC 2231 parameter value, which every mail reader decodes.
QByteArray fileNameParameter(const QString& name)
{
    if (isPlainPhrase(name) && !name.contains(QLatin1Char(' ')))
        return "filename=\"" + name.toLatin1() + '"';
    return "filename*=utf-8''" + name.toUtf8().toPercentEncoding();
}

QByteArray messageIdDomain(const QString& address)
{
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    const QString domain = at >= 0 ? address.mid(at + 1) : QString();
    return domain.isEmpty() ? QByteArray("localhost") : domain.toUtf8();
}

QByteArray randomHex(int bytes)
{
    QByteArray raw(bytes, Qt::Uninitialized);
    for (char& c : raw)
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    return raw.toHex();
}

} // namespace

QByteArray MailCharset(const QStringList& texts)
{
    for (const QString& text : texts) {
        if (!fitsCharset(text, "GB2312"))
            return "utf-8";
    }
    return "gb2312";
}

QByteArray EncodeHeaderText(const QString& text, const QByteArray& charset)
{
    if (isPlainHeaderText(text))
        return text.toLatin1();
    QByteArray out;
    QString word;
    const auto flush = [&] {
        if (word.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?" + charset + "?B?" + encodeText(word, charset).toBase64() + "?=";
        word.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character and stays in one word.
        const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString ch = text.mid(i, len);
        if (encodeText(word + ch, charset).size() > BytesPerWord)
            flush();
        word += ch;
        i += len - 1;
    }
    flush();
    return out;
}

bool ComposeMail(const MailMessage& mail, const QDateTime& now, QByteArray& out, QString& error)
{
    const QByteArray charset = MailCharset({mail.fromName, mail.subject, mail.body});

    QByteArray headers;
    headers += "Date: " + now.toString(Qt::RFC2822Date).toLatin1() + "\r\n";
    if (mail.fromName.isEmpty())
        headers += "From: <" + mail.fromAddress.toUtf8() + ">\r\n";
    else
        headers +=
            "From: " + displayNamePhrase(mail.fromName, charset) + " <" + mail.fromAddress.toUtf8() + ">\r\n";
    headers += "To: <" + mail.toAddress.toUtf8() + ">\r\n";
    headers += "Subject: " + EncodeHeaderText(mail.subject, charset) + "\r\n";
    headers += "Message-ID: <" + randomHex(12) + "@" + messageIdDomain(mail.fromAddress) + ">\r\n";
    headers += "X-Priority: 3\r\n";
    headers += "MIME-Version: 1.0\r\n";

    QByteArray textPart;
    textPart += "Content-Type: text/plain; charset=" + charset + "\r\n";
    textPart += "Content-Transfer-Encoding: base64\r\n\r\n";
    textPart += base64Lines(encodeText(crlfLines(mail.body), charset));

    if (mail.attachmentPath.isEmpty()) {
        out = headers + textPart;
        return true;
    }

    QFile file(mail.attachmentPath);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    const QString fileName = QFileInfo(mail.attachmentPath).fileName();
    const QByteArray boundary = "=_DezArod_" + randomHex(16);

    out = headers;
    out += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    out += "This is a multi-part message in MIME format.\r\n";
    out += "--" + boundary + "\r\n" + textPart;
    out += "--" + boundary + "\r\n";
    out += "Content-Type: application/octet-stream\r\n";
    out += "Content-Transfer-Encoding: base64\r\n";
    out += "Content-Disposition: attachment; " + fileNameParameter(fileName) + "\r\n\r\n";
    out += base64Lines(content);
    out += "--" + boundary + "--\r\n";
    return true;
}
