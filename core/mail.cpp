#include "core/mail.h"

#include <QDateTime>
#include <QStringList>

#include "platform/mailmessage.h"
#include "platform/prompts.h"

namespace {

constexpr int Attempts = 3;

bool isValidEmailPart(const QString& part)
{
    static const QString allowed = QStringLiteral("abcdefghijklmnopqrstuvwxyz_-.0123456789");
    if (part.isEmpty())
        return false;
    for (const QChar c : part) {
        if (!allowed.contains(c.toLower()))
            return false;
    }
    return !part.startsWith(QLatin1Char('.')) && !part.endsWith(QLatin1Char('.'));
}

QString shifted(const QString& text, int direction)
{
    // Whole characters, so that characters beyond the 16-bit range come back as they went.
    const QList<uint> codes = text.toUcs4();
    QList<uint> out;
    out.reserve(codes.size());
    for (qsizetype i = 0; i < codes.size(); ++i)
        out.append(uint(qint64(codes.at(i)) + direction * (i + 1)));
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(out.constData()), out.size());
}

QString failureText(const SmtpResult& result, const QString& toAddress)
{
    switch (result.replyCode) {
    case 550:
        return toAddress + QStringLiteral("该邮件地址不存在，请更改后再发");
    case 535:
        return QStringLiteral("发件人的用户名或密码错误，请改正后再发");
    default:
        return QStringLiteral("发生未知错误以下为服务器发回的消息：\r\n\r\n") + result.replyText;
    }
}

} // namespace

bool IsValidEmail(const QString& Address)
{
    const QStringList parts = Address.split(QLatin1Char('@'));
    if (parts.size() != 2)
        return false;
    for (const QString& part : parts) {
        if (!isValidEmailPart(part))
            return false;
    }
    const QString& domain = parts.at(1);
    const qsizetype dot = domain.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const qsizetype ending = domain.size() - dot - 1;
    if (ending < 2 || ending > 3)
        return false;
    return !Address.contains(QStringLiteral(".."));
}

QString ScrambleText(const QString& Text)
{
    return shifted(Text, 1);
}

QString UnscrambleText(const QString& Text)
{
    return shifted(Text, -1);
}

bool SendMail(const QString& FromName, const QString& FromAddress, const QString& MailUserName,
              const QString& MailPassword, const QString& SmtpServer, const QString& ToAddress,
              const QString& Subject, const QString& Body, const QString& AttachmentPath,
              const SmtpLimits& limits)
{
    const MailMessage mail{FromName, FromAddress, ToAddress, Subject, Body, AttachmentPath};
    const SmtpAccount account{SmtpServer, MailUserName, MailPassword};
    SmtpResult result;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        QByteArray message;
        QString error;
        if (!ComposeMail(mail, QDateTime::currentDateTime(), message, error)) {
            result = SmtpResult{false, 0, error};
            continue;
        }
        result = SmtpSend(account, FromAddress, ToAddress, message, limits);
        if (result.sent) {
            MsgBox(QStringLiteral("邮件[") + Subject + QStringLiteral("]已成功发送至[") + ToAddress +
                   QStringLiteral("]。"));
            return true;
        }
    }
    MsgBox(failureText(result, ToAddress), MsgButtons::Ok, QStringLiteral("提示"));
    return false;
}
