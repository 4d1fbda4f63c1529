#include "core/links.h"

#include <QFileInfo>
#include <QUrl>

#include "core/mail.h"
#include "core/programfolder.h"
#include "platform/prompts.h"

namespace {

std::function<void(const QString&)> s_mailWindow;
// The folder of the last file chosen; "" until the first choice.
QString LastFileFolder;

// The web address a kind-0 entry stands for, or "" when it is none.
QString webAddress(const QString& target)
{
    const QString text = target.trimmed();
    const QString full = text.contains(QStringLiteral("://")) ? text : QStringLiteral("http://") + text;
    const QUrl url(full);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty())
        return QString();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https") && scheme != QLatin1String("ftp"))
        return QString();
    return full;
}

} // namespace

void SetMailWindowOpener(std::function<void(const QString& address)> opener)
{
    s_mailWindow = std::move(opener);
}

int LinkKindOfCaption(const QString& caption)
{
    if (caption == QStringLiteral("发送ＱＱ") || caption == QStringLiteral("发送qq"))
        return 1;
    if (caption == QStringLiteral("发送邮件"))
        return 2;
    return 0;
}

void OpenLink(int Kind, const QString& Target)
{
    switch (Kind) {
    case 0: {
        const QString url = webAddress(Target);
        if (url.isEmpty())
            MsgBox(QStringLiteral("[") + Target + QStringLiteral("]不是网页地址，无法打开。"));
        else
            prompts().openLink(url);
        break;
    }
    case 2:
        if (!IsValidEmail(Target))
            MsgBox(QStringLiteral("[") + Target + QStringLiteral("]为非有效电子邮箱！"));
        else if (s_mailWindow)
            s_mailWindow(Target);
        break;
    default:
        break;
    }
}

QString ChooseFile(const QString& Filter, const QString& Title)
{
    // A remembered folder that has gone since counts as none.
    if (LastFileFolder.isEmpty() || !QFileInfo(LastFileFolder).isDir())
        LastFileFolder = ProgramFolder();
    const QString chosen = prompts().chooseFile(Title, Filter, LastFileFolder);
    if (chosen.isEmpty())
        return QString();
    const QFileInfo file(chosen);
    if (!file.exists() || !file.isFile())
        return QString();
    LastFileFolder = file.absolutePath();
    return file.absoluteFilePath();
}
