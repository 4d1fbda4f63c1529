#include "tests/support/smtptestserver.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

SmtpTestServer::SmtpTestServer(const Options& options)
{
    QStringList arguments{QStringLiteral(DEZAROD_SOURCE_DIR "/tests/support/smtpserver.py"),
                          QStringLiteral("--folder"),
                          m_dir.path(),
                          QStringLiteral("--user"),
                          options.user,
                          QStringLiteral("--password"),
                          options.password};
    if (options.refuseLogin)
        arguments << QStringLiteral("--refuse-login");
    if (options.refuseRecipient != 0)
        arguments << QStringLiteral("--refuse-recipient") << QString::number(options.refuseRecipient);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Debian's interpreter, which has the package; another python3 earlier in PATH may not.
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!m_process.waitForStarted(10000))
        return;
    while (m_process.waitForReadyRead(15000)) {
        const QByteArray line = m_process.readLine().trimmed();
        if (line.startsWith("READY ")) {
            m_port = line.mid(6).toInt();
            break;
        }
        if (!m_process.canReadLine() && m_process.state() != QProcess::Running)
            break;
    }
}

SmtpTestServer::~SmtpTestServer()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString SmtpTestServer::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QStringList SmtpTestServer::logins() const
{
    QFile file(QDir(m_dir.path()).filePath(QStringLiteral("auth.log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QList<QJsonObject> SmtpTestServer::messages() const
{
    QList<QJsonObject> list;
    for (int n = 1;; ++n) {
        QFile file(QDir(m_dir.path()).filePath(QStringLiteral("%1.json").arg(n)));
        if (!file.open(QIODevice::ReadOnly))
            break;
        list.append(QJsonDocument::fromJson(file.readAll()).object());
    }
    return list;
}
