#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// One mail as the user wrote it: a single recipient, plain text and at most one attached file.
struct MailMessage
{
    QString fromName;
    QString fromAddress;
    QString toAddress;
    QString subject;
    QString body;
    QString attachmentPath; // "" = no attachment
};

// The character set the mail's texts travel in: "gb2312" when every character of every text is
// held by it (what Chinese mail readers have always expected), otherwise "utf-8".
QByteArray MailCharset(const QStringList& texts);

// A header text as RFC 2047 encoded words ("=?charset?B?...?="), folded so that no line grows
// longer than the standard allows and no character is split between two words. Plain printable
// ASCII that needs no quoting is returned as it is.
QByteArray EncodeHeaderText(const QString& text, const QByteArray& charset);

// The complete message (headers and MIME body, CRLF line ends) ready for the DATA command.
// The body's line ends are made CRLF; the attachment is read from its file and carried in base64
// under its file name. Returns false with a reason in error when the attachment cannot be read.
bool ComposeMail(const MailMessage& mail, const QDateTime& now, QByteArray& out, QString& error);
