#include "platform/database.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QSaveFile>

#include "platform/dberror.h"

void Database::copyFileTo(const QString& target) const
{
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(m_db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        throw DbError(QStringLiteral("无法读取数据库文件"), SQLITE_ERROR);
    sqlite3_int64 size = 0;
    int rc = file->pMethods->xFileSize(file, &size);
    if (rc != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errstr(rc)), rc);

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw DbError(out.errorString(), int(out.error()));
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (sqlite3_int64 offset = 0; offset < size;) {
        const int chunk = int(qMin<sqlite3_int64>(buffer.size(), size - offset));
        rc = file->pMethods->xRead(file, buffer.data(), chunk, offset);
        if (rc != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errstr(rc)), rc);
        // A write may take only part of the chunk; the rest is written, or fails with the cause.
        for (qint64 done = 0; done < chunk;) {
            const qint64 written = out.write(buffer.constData() + done, chunk - done);
            if (written <= 0)
                throw DbError(out.errorString(), int(out.error()));
            done += written;
        }
        offset += chunk;
    }
    if (!out.commit())
        throw DbError(out.errorString(), int(out.error()));
    QFile::setPermissions(target, QFile::permissions(m_path));
}
