#include "app/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList InstallQtTranslations()
{
    // qtbase holds the texts of every Qt module the program uses; Qt Charts shows none of its own.
    static const QStringList catalogs{QStringLiteral("qtbase")};
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QStringList missing;
    for (const QString& catalog : catalogs) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(chinese, catalog, QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator))
            continue;
        delete translator;
        missing << catalog;
    }
    if (!missing.isEmpty())
        qWarning("Qt's Chinese texts not found: %s", qPrintable(missing.join(QStringLiteral(", "))));
    return missing;
}
