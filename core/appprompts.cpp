#include "core/appprompts.h"

#include <QGuiApplication>

#include "core/foxinputform.h"

namespace {

// Without a display nobody could answer the window; the Qt prompts answer "" then as well.
bool headless()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen") ||
           QGuiApplication::platformName() == QLatin1String("minimal");
}

} // namespace

QString AppPrompts::inputText(const QString& prompt, const QString& title, const QString& defaultText)
{
    return inputBox(prompt, title, defaultText, false, false, QString(), false);
}

QString AppPrompts::inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                             bool onlyNumber, bool userDot, const QString& passwordChar, bool selAll)
{
    if (headless())
        return QString();
    return ShowFoxInputForm(prompt, title, defaultText, onlyNumber, userDot, passwordChar, selAll);
}
