#pragma once

#include <QString>
#include <QStringList>

// What the logged-in user keeps about himself: a new login password typed twice (both empty to
// keep the old one) and the mail account the program sends his mail with.
struct OwnSettings
{
    QString newPassword;
    QString passwordAgain;
    QString email;
    QString emailName;
    QString emailPassword; // plain text
    QString emailSmtp;
};

// Two servers of public mail services offered in the server list; any other may be typed.
inline const QStringList PresetSmtpServers{QStringLiteral("smtp.163.com"), QStringLiteral("smtp.qq.com")};

// The settings of the session: the mail account of the logged-in user, its password plain.
OwnSettings SessionOwnSettings();

// Why a new password typed twice (blanks around it already removed) cannot be saved, or "".
QString NewPasswordRefusal(const QString& newPassword, const QString& passwordAgain);

// Stores the settings in the logged-in user's row (the password only when a new one is given,
// the mail password in its scrambled form) and gives the session the new mail account.
void SaveOwnSettings(const OwnSettings& settings);

// Sends the test mail from the account's address to the same address with the account as typed;
// SendMail tells the user how it went.
bool SendTestMail(const OwnSettings& settings);
