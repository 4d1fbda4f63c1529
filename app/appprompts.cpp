#include "app/appprompts.h"

#include <QGuiApplication>

#include "app/foxinputform.h"

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
    return inputBox(prompt, title, defaultText, InputOptions());
}

QString AppPrompts::inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                             const InputOptions& options)
{
    if (headless())
        return QString();
    return ShowFoxInputForm(prompt, title, defaultText, options.onlyNumber, options.userDot, options.passwordChar,
                            options.selAll);
}
