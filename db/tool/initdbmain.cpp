// dezarod-initdb: builds a new, encrypted DezArod.mdb with its tables and reference rows.
#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

#include "core/dblayer.h"
#include "db/initdb.h"
#include "platform/dberror.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString source = DatabaseSourceFolder();
    const qsizetype dataOption = args.indexOf(QStringLiteral("--source"));
    if (dataOption >= 0 && dataOption + 1 < args.size()) {
        source = args.at(dataOption + 1);
        args.remove(dataOption, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: dezarod-initdb [--source DIR] TARGET.mdb\n");
        return 2;
    }
    try {
        BuildDatabase(args.first(), DatabasePassword, source);
    } catch (const DbError& e) {
        std::fprintf(stderr, "dezarod-initdb: %s\n", e.message().toUtf8().constData());
        return 1;
    }
    return 0;
}
