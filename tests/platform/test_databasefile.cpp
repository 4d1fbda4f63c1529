// One database file shared by several copies of the program, and files that must be refused.
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include "core/dblayer.h"
#include "platform/database.h"
#include "platform/dberror.h"
#include "platform/transaction.h"
#include "tests/support/fixtures.h"
#include "tests/support/otheruser.h"

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QProcess* startClient(const QStringList& arguments, QObject* parent)
{
    auto* process = new QProcess(parent);
    process->start(DbClientPath(), arguments);
    return process;
}

struct Refusal
{
    int code = 0;
    QString message;
};

// The helper's open of path. Root may write any file, so as root the helper runs as an ordinary
// user, for whom the permissions hold.
Refusal openInAnotherProcess(const QString& path)
{
    QProcess process;
    const auto runtime = RunAsOrdinaryUserWhenRoot(process);
    process.start(DbClientPath(), {QStringLiteral("open"), path});
    process.waitForFinished(30000);
    const QString out = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    if (out.isEmpty())
        return Refusal{-1, QStringLiteral("no answer, exit code %1: %2")
                               .arg(process.exitCode())
                               .arg(QString::fromUtf8(process.readAllStandardError()))};
    return Refusal{out.section(QLatin1Char(' '), 0, 0).toInt(), out.section(QLatin1Char(' '), 1)};
}

class DatabaseFileTest : public AppTest
{
protected:
    QString dbPath() const { return pathOf(DatabaseFileName); }
    QStringList entries() const
    {
        return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    // Opens the file, expecting a refusal that names it; the file and its folder stay as they were.
    Refusal refusedOpen(const QString& key = DatabasePassword,
                        int busyTimeoutMs = Database::DefaultBusyTimeoutMs)
    {
        const QByteArray before = fileBytes(dbPath());
        const QStringList listed = entries();
        Refusal refusal;
        Database db;
        db.setBusyTimeout(busyTimeoutMs);
        try {
            db.open(dbPath(), key);
            ADD_FAILURE() << "the file was opened";
        } catch (const DbError& e) {
            refusal = Refusal{e.code(), e.message()};
        }
        EXPECT_FALSE(db.isOpen());
        EXPECT_TRUE(refusal.message.contains(QDir::toNativeSeparators(dbPath())))
            << refusal.message.toStdString();
        EXPECT_EQ(fileBytes(dbPath()), before);
        EXPECT_EQ(entries(), listed);
        return refusal;
    }
};

} // namespace

TEST_F(DatabaseFileTest, TwoProcessesWritingAtOnceLoseNoRow)
{
    CopyTemplateDatabase(dbPath());
    constexpr int RowsEach = 300;
    QObject owner;
    QList<QProcess*> clients{
        startClient({QStringLiteral("write"), dbPath(), QStringLiteral("1"), QString::number(RowsEach)},
                    &owner),
        startClient({QStringLiteral("write"), dbPath(), QStringLiteral("100001"), QString::number(RowsEach)},
                    &owner)};
    // Both have the file open before either writes.
    for (QProcess* client : clients) {
        ASSERT_TRUE(client->waitForReadyRead(30000)) << client->readAllStandardError().toStdString();
        ASSERT_EQ(client->readLine().trimmed(), QByteArray("ready"));
    }
    for (QProcess* client : clients) {
        client->write("go\n");
        ASSERT_TRUE(client->waitForBytesWritten(10000));
    }
    for (QProcess* client : clients) {
        ASSERT_TRUE(client->waitForFinished(120000));
        EXPECT_EQ(client->exitCode(), 0) << client->readAllStandardError().toStdString();
    }

    Database db;
    db.open(dbPath(), DatabasePassword);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from logdata")).toInt(), 2 * RowsEach);
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from logdata where logid > 100000")).toInt(),
              RowsEach);
    // The rollback journal, which works wherever the shared folder supports file locking.
    EXPECT_EQ(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
    EXPECT_FALSE(QFile::exists(dbPath() + QStringLiteral("-wal")));
}

TEST_F(DatabaseFileTest, LockedFileIsWaitedForThenNamed)
{
    CopyTemplateDatabase(dbPath());
    Database holder;
    holder.open(dbPath(), DatabasePassword);
    holder.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    holder.exec(QStringLiteral("BEGIN EXCLUSIVE"));

    Refusal locked = refusedOpen(DatabasePassword, 300);
    EXPECT_EQ(locked.code & 0xff, SQLITE_BUSY);
    EXPECT_TRUE(locked.message.contains(QStringLiteral("正被其他用户或程序锁定")))
        << locked.message.toStdString();

    // A lock that ends within the wait is waited for, also at the very first read of the file.
    std::thread release([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        holder.close();
    });
    Database next;
    EXPECT_NO_THROW(next.open(dbPath(), DatabasePassword));
    release.join();
    EXPECT_TRUE(next.isOpen());

    // A copy that has the file to itself (backup, compaction) keeps every other open out.
    ASSERT_TRUE(next.takeSoleUse());
    locked = refusedOpen(DatabasePassword, 300);
    EXPECT_EQ(locked.code & 0xff, SQLITE_BUSY);
    next.close();
    Database after;
    EXPECT_NO_THROW(after.open(dbPath(), DatabasePassword));
}

TEST_F(DatabaseFileTest, UnrecognisedFilesAreRefusedUntouched)
{
    // Empty: the engine would have made a new database of it.
    writeFile(dbPath(), QByteArray());
    Refusal refusal = refusedOpen();
    EXPECT_EQ(refusal.code, SQLITE_NOTADB);
    EXPECT_TRUE(refusal.message.contains(QStringLiteral("空文件"))) << refusal.message.toStdString();

    const QString foreignText = QStringLiteral("数据库密码错误，或不是本程序的数据库");
    writeFile(dbPath(), QByteArray("这不是数据库文件 not a database").repeated(300));
    refusal = refusedOpen();
    EXPECT_EQ(refusal.code & 0xff, SQLITE_NOTADB);
    EXPECT_TRUE(refusal.message.contains(foreignText)) << refusal.message.toStdString();

    CopyTemplateDatabase(dbPath());
    refusal = refusedOpen(QStringLiteral("hwd305862"));
    EXPECT_EQ(refusal.code & 0xff, SQLITE_NOTADB);
    EXPECT_TRUE(refusal.message.contains(foreignText)) << refusal.message.toStdString();

    // Damaged: the pages after the first are gone.
    const QByteArray whole = fileBytes(dbPath());
    writeFile(dbPath(), whole.left(4096));
    refusal = refusedOpen();
    EXPECT_EQ(refusal.code & 0xff, SQLITE_CORRUPT);
    EXPECT_TRUE(refusal.message.contains(QStringLiteral("已损坏"))) << refusal.message.toStdString();
}

TEST_F(DatabaseFileTest, ReadOnlyFileOrFolderIsRefusedAndLeavesNothingBehind)
{
    CopyTemplateDatabase(dbPath());
    const QByteArray before = fileBytes(dbPath());
    const QStringList listed = entries();
    const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner |
                     QFile::ExeGroup | QFile::ExeOther;
    const auto writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

    ASSERT_TRUE(QFile::setPermissions(folder(), all | writable));
    ASSERT_TRUE(QFile::setPermissions(dbPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    Refusal refusal = openInAnotherProcess(dbPath());
    EXPECT_EQ(refusal.code, SQLITE_READONLY);
    EXPECT_TRUE(refusal.message.contains(QStringLiteral("数据库文件是只读的")))
        << refusal.message.toStdString();
    EXPECT_TRUE(refusal.message.contains(QDir::toNativeSeparators(dbPath())));

    ASSERT_TRUE(
        QFile::setPermissions(dbPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | writable));
    ASSERT_TRUE(QFile::setPermissions(folder(), all));
    refusal = openInAnotherProcess(dbPath());
    EXPECT_EQ(refusal.code, SQLITE_READONLY);
    EXPECT_TRUE(refusal.message.contains(QStringLiteral("所在的文件夹是只读的")))
        << refusal.message.toStdString();
    EXPECT_TRUE(refusal.message.contains(QDir::toNativeSeparators(dbPath())));

    ASSERT_TRUE(QFile::setPermissions(folder(), all | writable));
    EXPECT_EQ(fileBytes(dbPath()), before);
    EXPECT_EQ(entries(), listed);
    // Nothing left behind keeps the next start out.
    EXPECT_EQ(openInAnotherProcess(dbPath()).message, QStringLiteral("opened"));
}

// Another copy keeps the file's write lock (or, at the commit, its read lock) longer than this one
// waits: the save waits, then fails as busy with nothing written and no transaction left open,
// and the same save succeeds once the file is free. A lock that ends within the wait is waited for.
TEST_F(DatabaseFileTest, SaveOnABusyFileWaitsThenFailsAsBusyWithNothingWritten)
{
    CopyTemplateDatabase(dbPath());
    Database db;
    db.setBusyTimeout(300);
    db.open(dbPath(), DatabasePassword);
    const QString insert = QStringLiteral("insert into logdata (logid, GetEditID) values (?, 1)");
    const auto rows = [&db] { return db.scalar(QStringLiteral("select count(*) from logdata")).toInt(); };
    const int before = rows();
    const auto expectBusy = [&](const std::function<void()>& save, const char* what) {
        QElapsedTimer waited;
        waited.start();
        try {
            save();
            ADD_FAILURE() << what << ": saved on a busy file";
        } catch (const DbBusyError& e) {
            EXPECT_EQ(e.code() & 0xff, SQLITE_BUSY) << what;
            EXPECT_EQ(e.message(),
                      QStringLiteral("数据库正被其他用户使用，本次操作没有写入任何内容。\n请稍后再试一次。"));
        }
        EXPECT_GE(waited.elapsed(), 300) << what;
        EXPECT_EQ(db.transactionDepth(), 0) << what;
    };
    const auto save = [&](qint64 key) {
        Transaction transaction(db);
        db.exec(insert, {key});
        db.exec(insert, {key + 1});
        transaction.commit();
    };

    {
        WriteLockHolder holder(dbPath());
        ASSERT_TRUE(holder.isHolding()) << holder.errors().toStdString();
        expectBusy([&] { save(10); }, "transaction");
        expectBusy([&] { db.exec(insert, {20}); }, "single statement");
        holder.release();
        EXPECT_EQ(rows(), before);
        save(10);
        EXPECT_EQ(rows(), before + 2);
    }

    // A copy reading in a transaction of its own keeps the commit out: the rows already inserted
    // are rolled back.
    Database reader;
    reader.open(dbPath(), DatabasePassword);
    reader.exec(QStringLiteral("BEGIN"));
    EXPECT_EQ(reader.scalar(QStringLiteral("select count(*) from logdata")).toInt(), before + 2);
    expectBusy([&] { save(30); }, "commit");
    reader.exec(QStringLiteral("COMMIT"));
    EXPECT_EQ(rows(), before + 2);

    // Held for less than the wait.
    reader.exec(QStringLiteral("BEGIN IMMEDIATE"));
    db.setBusyTimeout(20000);
    std::thread release([&reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        reader.exec(QStringLiteral("ROLLBACK"));
    });
    EXPECT_NO_THROW(save(30));
    release.join();
    EXPECT_EQ(rows(), before + 4);
}
