#pragma once

#include <QString>

#include "platform/smtp.h"

// Whether Address reads as a mail address: exactly one "@"; a name part and a domain part, each
// non-empty, made of letters, digits, "_", "-" and "." only, neither beginning nor ending with
// "."; a "." in the domain with 2 or 3 characters after the last one; no ".." anywhere. The text
// is taken as it is (a blank makes it invalid).
bool IsValidEmail(const QString& Address);

// The stored form of the user's mail password: each character's code raised by its position
// (1-based). UnscrambleText undoes it exactly, whatever the characters ("abc" <-> "bdf").
QString ScrambleText(const QString& Text);
QString UnscrambleText(const QString& Text);

// Sends one mail through the SMTP server with the user's account (MailUserName and the plain
// MailPassword; TLS when the server offers it): from FromName <FromAddress> to ToAddress, with
// Subject, Body and the file AttachmentPath ("" = none) attached. A failed attempt is tried
// again, three attempts in all. Tells the user the outcome in a message box ("提示" on failure:
// 550 no such recipient, 535 wrong user name or password, otherwise the server's own reply) and
// returns true when the mail was sent. Blocks until done; an unreachable or silent server ends
// every attempt within the limits, so the whole call within about 30 seconds.
bool SendMail(const QString& FromName, const QString& FromAddress, const QString& MailUserName,
              const QString& MailPassword, const QString& SmtpServer, const QString& ToAddress,
              const QString& Subject, const QString& Body, const QString& AttachmentPath,
              const SmtpLimits& limits = SmtpLimits());
