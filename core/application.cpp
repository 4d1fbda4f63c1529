#include "core/application.h"

#include <cstdlib>
#include <exception>

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
