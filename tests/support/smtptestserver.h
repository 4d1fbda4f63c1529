#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real SMTP server (tests/support/smtpserver.py on Debian's python3-aiosmtpd) on a free port of
// 127.0.0.1, started by the test and stopped when this object goes. Received messages are read
// back as the python email package parsed them.
class SmtpTestServer
{
public:
    struct Options
    {
        QString user = QStringLiteral("mailer");
        QString password = QStringLiteral("secret");
        bool refuseLogin = false; // every login answered 535
        int refuseRecipient = 0;  // every recipient answered with this code (550, 552...)
    };

    explicit SmtpTestServer(const Options& options);
    SmtpTestServer() : SmtpTestServer(Options()) {}
    ~SmtpTestServer();

    bool isRunning() const { return m_port != 0; }
    // "127.0.0.1:port"
    QString address() const;
    // Login attempts so far, each "MECHANISM user password".
    QStringList logins() const;
    // The messages received so far, in order (see smtpserver.py for the fields).
    QList<QJsonObject> messages() const;

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};
