#include <QApplication>

#include "core/dblayer.h"
#include "platform/dberror.h"
#include "platform/prompts.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DezArod"));
    try {
        OpenDatabase();
        CloseDatabase();
    } catch (const DbError& e) {
        MsgBox(e.message(), MsgButtons::Ok, QString(), MsgIcon::Critical);
        return 1;
    }
    return 0;
}
