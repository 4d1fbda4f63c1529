// A second copy of the program's start and database layer, for the tests of sharing and refusing
// files (run as another user where the test needs one):
//   dezarod-dbclient open <file>                  opens the file and reports "<code> <message>"
//   dezarod-dbclient write <file> <first> <count> says "ready", waits for a line on its input,
//                                                 then adds count log rows with keys first, first+1...
//   dezarod-dbclient hold <file>                  takes the file's write lock, says "held", keeps it
//                                                 until a line comes on its input, then ends
//                                                 having written nothing
//   dezarod-dbclient start <executable>           starts as the program would from the folder of
//                                                 executable and reports "started <skin id>" or
//                                                 "refused <message>", then "folder <its entries>"
//                                                 while it holds the single-copy lock and "second
//                                                 <0|1>": whether a second copy would be let in
#include <cstdio>
#include <iostream>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include "core/dblayer.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "core/startup.h"
#include "platform/database.h"
#include "platform/dberror.h"
#include "platform/scriptedprompts.h"
#include "platform/singleinstance.h"
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

int holdWriteLock(const QString& path)
{
    try {
        Database db;
        db.open(path, DatabasePassword);
        Transaction transaction(db);
        std::cout << "held" << std::endl;
        std::string go;
        std::getline(std::cin, go);
        return 0;
    } catch (const DbError& e) {
        std::cerr << e.code() << ' ' << e.message().toStdString() << std::endl;
        return 1;
    }
}

int start(int argc, char* argv[], const QString& executable)
{
    QCoreApplication app(argc, argv);
    SetProgramFolder(QFileInfo(executable).absolutePath());
    ScriptedPrompts prompts;
    QString refusal;
    prompts.onUnexpected = [&refusal](const QString& what) { refusal = what; };
    setPrompts(&prompts);
    SingleInstanceLock lock(executable);
    if (Main(lock))
        std::cout << "started " << SkinId << std::endl;
    else
        std::cout
            << "refused "
            << (prompts.messageTexts().isEmpty() ? refusal : prompts.messageTexts().last()).toStdString()
            << std::endl;
    const QStringList entries =
        QDir(ProgramFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    std::cout << "folder " << entries.join(QLatin1Char(',')).toStdString() << std::endl;
    SingleInstanceLock second(executable);
    std::cout << "second " << (second.tryLock() ? 1 : 0) << std::endl;
    setPrompts(nullptr);
    return 0;
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
    if (command == "hold")
        return holdWriteLock(path);
    if (command == "start")
        return start(argc, argv, path);
    std::cerr << "usage: dezarod-dbclient open <file> | write <file> <first> <count> | hold <file> | "
                 "start <executable>"
              << std::endl;
    return 64;
}
