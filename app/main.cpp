#include "core/application.h"
#include "app/appaffairwindows.h"
#include "app/appprompts.h"
#include "app/mainform.h"
#include "app/qttranslations.h"
#include "clients/emailform.h"
#include "core/links.h"
#include "core/programfolder.h"
#include "core/startup.h"
#include "platform/dberror.h"
#include "platform/prompts.h"
#include "platform/singleinstance.h"

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    InstallQtTranslations();
    AppPrompts appPrompts;
    setPrompts(&appPrompts);
    AppAffairWindows appAffairWindows;
    setAffairWindows(&appAffairWindows);
    SetMailWindowOpener(ShowEmailForm);

    // Held until the process ends.
    SingleInstanceLock instanceLock(QCoreApplication::applicationFilePath());
    if (!Main(instanceLock))
        return 0;

    try {
        // The login opens the main window; the main window's change of user opens a new login.
        ShowLoginForm();
    } catch (const DbError& e) {
        Application::reportFatal(e.message());
    }
    return app.exec();
}
