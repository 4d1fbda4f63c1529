#include "core/backup.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/dblayer.h"
#include "core/session.h"
#include "platform/database.h"
#include "platform/dberror.h"
#include "platform/prompts.h"

namespace {

const QString MessageTitle = QStringLiteral("压缩数据库");
const QString LineBreak = QStringLiteral("\r\n");
// How long to wait for a lock that another connection holds for a moment.
constexpr int LockWaitMs = 500;

// Another connection has the file open.
struct InUse
{
};

// A failed step: its error number and the reason.
struct Failure
{
    int code;
    QString text;
};

// The database opened so that no other connection can read or write it until close().
class ExclusiveDatabase
{
public:
    explicit ExclusiveDatabase(const QString& path)
    {
        m_db.setBusyTimeout(LockWaitMs);
        try {
            m_db.open(path, DatabasePassword);
            // Idle copies of the program hold no lock of the engine; they still have the file open.
            if (!m_db.takeSoleUse())
                throw InUse{};
            // In this mode the first write transaction takes the file lock and keeps it.
            m_db.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
            m_db.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            m_db.exec(QStringLiteral("COMMIT"));
        } catch (const DbError& e) {
            if ((e.code() & 0xff) == SQLITE_BUSY)
                throw InUse{};
            throw;
        }
    }

    // A byte copy of the file; an earlier backup of the day is replaced only by a complete copy.
    void copyTo(const QString& target) { m_db.copyFileTo(target); }

    // Rebuilds the file compactly in place, with the same contents and key. The file stays the
    // same file, so a copy that opens it meanwhile waits and then finds the compacted database;
    // an interrupted run is rolled back from the journal at the next open.
    void compact() { m_db.exec(QStringLiteral("VACUUM")); }

    void close() { m_db.close(); }

private:
    Database m_db;
};

enum class Outcome
{
    Done,
    InUse,
    Failed
};

struct Result
{
    Outcome outcome = Outcome::Failed;
    bool backedUp = false; // this run's backup exists
    int code = 0;
    QString reason;
};

Result backupAndCompact(const QString& path, const QString& backupName, bool BackupOnly)
{
    Result result;
    const QDir folder = QFileInfo(path).absoluteDir();
    const QString bakFolder = folder.filePath(QStringLiteral("Bak"));
    const QString compactName = QDir(bakFolder).filePath(QStringLiteral("Back.Vek"));
    try {
        ExclusiveDatabase db(path);
        if (!QFileInfo(bakFolder).isDir() && !folder.mkdir(QStringLiteral("Bak")))
            throw Failure{int(QFileDevice::OpenError),
                          QStringLiteral("无法创建文件夹：%1").arg(QDir::toNativeSeparators(bakFolder))};
        db.copyTo(backupName);
        result.backedUp = true;
        if (!BackupOnly) {
            // A leftover of an earlier run goes first.
            if (QFileInfo::exists(compactName) && !QFile::remove(compactName))
                throw Failure{int(QFileDevice::RemoveError),
                              QStringLiteral("无法删除文件：%1").arg(QDir::toNativeSeparators(compactName))};
            db.compact();
        }
        db.close();
        result.outcome = Outcome::Done;
        return result;
    } catch (const InUse&) {
        result.outcome = Outcome::InUse;
    } catch (const Failure& f) {
        result.code = f.code;
        result.reason = f.text;
    } catch (const DbError& e) {
        result.code = e.code();
        result.reason = e.message();
    }
    return result;
}

} // namespace

bool IsAdministrator()
{
    return CurUserID == 1 && CurUserName.toLower() == QLatin1String("admin");
}

bool BackupDatabase(const QString& path, bool BackupOnly)
{
    if (!QFileInfo(path).isFile())
        return false;
    const QString bakFolder = QFileInfo(path).absoluteDir().filePath(QStringLiteral("Bak"));
    const QString backupName = QDir(bakFolder).filePath(
        QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".bak"));
    const QString shownPath = QDir::toNativeSeparators(path);
    const QString shownBackup = QDir::toNativeSeparators(backupName);

    // The messages wait for the user: they come after the file is released.
    const Result result = backupAndCompact(path, backupName, BackupOnly);
    switch (result.outcome) {
    case Outcome::Done:
        if (BackupOnly) {
            MsgBox(QStringLiteral("数据库文件：<") + shownPath + QStringLiteral(">") +
                       QStringLiteral("已成功备份：") + LineBreak + QStringLiteral("备份文件名为：<") +
                       shownBackup + QStringLiteral(">！"),
                   MsgButtons::Ok, MessageTitle);
        } else {
            MsgBox(QStringLiteral("数据库文件：<") + shownPath + QStringLiteral(">") +
                       QStringLiteral("已成功压缩，") + LineBreak +
                       QStringLiteral("并备份原来文件，备份文件名为：<") + shownBackup +
                       QStringLiteral(">！"),
                   MsgButtons::Ok, MessageTitle);
        }
        return true;
    case Outcome::InUse:
        MsgBox(QStringLiteral("数据库文件：<") + shownPath + QStringLiteral(">") +
                   QStringLiteral("正被其他用户或程序使用，无法处理。") + LineBreak +
                   QStringLiteral("请确保在没有其他用户在使用软件的情况下再进行。"),
               MsgButtons::Ok, MessageTitle);
        return false;
    case Outcome::Failed:
        break;
    }
    if (!QFileInfo(path).isFile()) {
        MsgBox(QStringLiteral("数据库文件：<") + shownPath + QStringLiteral(">") +
                   QStringLiteral("未找到，处理失败！"),
               MsgButtons::Ok, MessageTitle);
    } else {
        // Name the backup only when this run really made it.
        const QString head = result.backedUp
                                 ? QStringLiteral("压缩数据库失败，原数据库已备份为文件，文件名：<") +
                                       shownBackup + QStringLiteral(">。 ")
                                 : QStringLiteral("压缩数据库失败，原数据库未能备份。 ");
        MsgBox(head + LineBreak + QStringLiteral("失败代码：") + QString::number(result.code) + LineBreak +
                   QStringLiteral("失败原因：") + result.reason,
               MsgButtons::Ok, MessageTitle);
    }
    return false;
}

void DatabaseMaintenance(bool BackupOnly, const std::function<void(bool)>& setInUse)
{
    if (!IsAdministrator()) {
        MsgBox(QStringLiteral("此操作只能由admin账号进行。"));
        return;
    }
    if (MsgBox(QStringLiteral("请确保在没有其他用户在使用软件的情况进行。您是否继续？"), MsgButtons::OkCancel,
               QStringLiteral("重要提醒")) != MsgResult::Ok)
        return;

    // The main window is back in use however the work ends.
    struct OutOfUse
    {
        const std::function<void(bool)>& set;
        explicit OutOfUse(const std::function<void(bool)>& s) : set(s)
        {
            if (set)
                set(false);
        }
        ~OutOfUse()
        {
            if (set)
                set(true);
        }
    } outOfUse(setInUse);

    CloseDatabase();
    BackupDatabase(DatabasePath(), BackupOnly);
    OpenDatabase();
}
