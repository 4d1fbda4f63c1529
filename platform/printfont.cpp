#include "platform/printfont.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

QString PrintFontPath()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("fonts/DezArodPrint-Regular.otf"));
}

QFont PrintFont(const QFont& base)
{
    static const bool loaded = QFontDatabase::addApplicationFont(PrintFontPath()) >= 0;
    if (!loaded)
        return base;
    QFont font(base);
    // What the print font lacks comes from base's own faces, which the program chose, rather than
    // from the faces the locale would choose.
    font.setFamilies(QStringList{PrintFontFamily} + base.families());
    return font;
}
