#include "bench/benchdb.h"

#include <malloc.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/dblayer.h"
#include "core/session.h"
#include "db/initdb.h"
#include "platform/transaction.h"

void UseBenchDatabase(const QString& name, const std::function<void()>& fill)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name + QStringLiteral(".mdb"));
    if (!Conn.isOpen() || Conn.path() != path) {
        // The previous group's connection, its page cache and the heap it freed are given back first.
        CloseDatabase();
        malloc_trim(0);
        const bool exists = QFile::exists(path);
        if (!exists)
            BuildDatabase(path, DatabasePassword);
        Conn.open(path, DatabasePassword);
        if (!exists) {
            Transaction tx(Conn);
            fill();
            tx.commit();
        }
    }
    ResetSession();
}
