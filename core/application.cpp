#include "core/application.h"

#include <cstdlib>
#include <exception>

#include <QFont>
#include <QStyleFactory>

#include "core/dblayer.h"
#include "platform/dberror.h"
#include "platform/prompts.h"
#include "platform/propertyerror.h"

namespace {

bool g_fatalErrorsEndProgram = true;

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("DezArod"));
    // One style under every skin, so that a skin's style sheet looks the same on every desktop.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The faces are chosen here, not by the locale: under a Chinese locale fontconfig gives all text
    // the CJK face, whose line is too high for the text boxes; under another, Chinese text the
    // Japanese face, whose forms differ. The sizes stay as the platform and the user's font size
    // set them.
    QFont font = QApplication::font();
    font.setFamilies(WindowFontFamilies);
    QApplication::setFont(font);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    const SlotsOpenBefore slotsBefore;
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbBusyError& e) {
        // The handler was left before its end, its transaction rolled back.
        slotsBefore.closeOpenedSince();
        reportBusy(e);
        return false;
    } catch (const DbError& e) {
        if (!g_fatalErrorsEndProgram)
            throw;
        reportFatal(e.message());
    } catch (const PropertyError& e) {
        if (!g_fatalErrorsEndProgram)
            throw;
        reportFatal(
            QStringLiteral("运行时错误 '%1':\n%2\n%3").arg(e.number()).arg(e.description(), e.source()));
    } catch (const std::exception& e) {
        if (!g_fatalErrorsEndProgram)
            throw;
        reportFatal(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void Application::reportFatal(const QString& text)
{
    MsgBox(text, MsgButtons::Ok, QString(), MsgIcon::Critical);
    CloseDatabase();
    // The event loop may be deep inside a modal dialog; leave at once.
    std::exit(1);
}

void Application::reportBusy(const DbBusyError& error)
{
    MsgBox(error.message(), MsgButtons::Ok, QString(), MsgIcon::Exclamation);
}

void Application::setFatalErrorsEndProgram(bool end)
{
    g_fatalErrorsEndProgram = end;
}
