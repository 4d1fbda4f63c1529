// A second program on the database file, for the tests of sharing and refusing files:
//   dezarod-dbclient open <file>                  opens the file and reports "<code> <message>"
//   dezarod-dbclient write <file> <first> <count> says "ready", waits for a line on its input,
//                                                 then adds count log rows with keys first, first+1...
#include <cstdio>
#include <iostream>
#include <string>

#include <QString>

#include "core/dblayer.h"
#include "platform/database.h"
#include "platform/dberror.h"
#include "platform/transaction.h"

namespace {

int openFile(const QString& path)
{
    Database db;
    try {
        db.open(path, DatabasePassword);
        std::cout << "0 opened" << std::endl;
        return 0;
    } catch (const DbError& e) {
        std::cout << e.code() << ' ' << e.message().toStdString() << std::endl;
        return 2;
    }
}

int writeRows(const QString& path, qint64 first, int count)
{
    try {
        Database db;
        db.open(path, DatabasePassword);
        std::cout << "ready" << std::endl;
        std::string go;
        std::getline(std::cin, go);
        for (int i = 0; i < count; ++i) {
            // One save of its own per row, as every dialog's save is.
            Transaction transaction(db);
            db.exec(QStringLiteral("insert into logdata (logid, GetEditID) values (?, ?)"), {first + i, i});
            transaction.commit();
        }
        return 0;
    } catch (const DbError& e) {
        std::cerr << e.code() << ' ' << e.message().toStdString() << std::endl;
        return 1;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string command = argc > 2 ? argv[1] : "";
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (command == "open")
        return openFile(path);
    if (command == "write" && argc == 5)
        return writeRows(path, std::stoll(argv[3]), std::stoi(argv[4]));
    std::cerr << "usage: dezarod-dbclient open <file> | write <file> <first> <count>" << std::endl;
    return 64;
}
