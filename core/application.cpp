#include "core/application.h"

#include <cstdlib>
#include <exception>

#include "core/dblayer.h"
#include "platform/dberror.h"
#include "platform/prompts.h"
#include "platform/propertyerror.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("DezArod"));
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError& e) {
        reportFatal(e.message());
    } catch (const PropertyError& e) {
        reportFatal(QStringLiteral("运行时错误 '%1':\n%2\n%3").arg(e.number()).arg(e.description(), e.source()));
    } catch (const std::exception& e) {
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
