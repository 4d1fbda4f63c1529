#pragma once

#include <QByteArray>
#include <QString>

// The SMTP server and the account a mail is sent with.
struct SmtpAccount
{
    // "host" or "host:port" (port 25 when none is given); a text with "://" is taken as a full
    // address such as "smtps://host:465".
    QString server;
    QString userName; // "" = send without logging in
    QString password;
};

// How long one attempt may take, in seconds: to connect, to wait for any one reply of the
// server, and at most in all (a large attachment on a slow line).
struct SmtpLimits
{
    int connectSeconds = 10;
    int replySeconds = 10;
    int totalSeconds = 60;
};

// What came of one attempt. replyCode is the server's last reply code (535 login refused, 550 no
// such mailbox, ...), 0 when no reply came; replyText the server's own words of its last reply,
// or the transport's description when the server never answered.
struct SmtpResult
{
    bool sent = false;
    int replyCode = 0;
    QString replyText;
};

// Sends one composed message (see ComposeMail) from fromAddress to toAddress: logs in with the
// account when it has a user name and switches to TLS whenever the server offers STARTTLS. The
// call blocks until the exchange ends, within the limits.
SmtpResult SmtpSend(const SmtpAccount& account, const QString& fromAddress, const QString& toAddress,
                    const QByteArray& message, const SmtpLimits& limits = SmtpLimits());
