#include "platform/prompts.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/qtprompts.h"

namespace {

Prompts* g_installed = nullptr;

} // namespace

Prompts& prompts()
{
    static QtPrompts qtPrompts;
    return g_installed ? *g_installed : qtPrompts;
}

void setPrompts(Prompts* service)
{
    g_installed = service;
}

QString applicationTitle()
{
    const QString display = QGuiApplication::applicationDisplayName();
    return display.isEmpty() ? QCoreApplication::applicationName() : display;
}

MsgResult MsgBox(const QString& text, MsgButtons buttons, const QString& title, MsgIcon icon)
{
    return prompts().message(text, buttons, icon, title);
}
