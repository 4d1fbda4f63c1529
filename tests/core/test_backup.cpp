#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/backup.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/database.h"
#include "tests/support/fixtures.h"

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Rows of a table in a database file opened with the program's key.
int rowsIn(const QString& path, const QString& table)
{
    Database db;
    db.open(path, DatabasePassword);
    return db.scalar(QStringLiteral("select count(*) from ") + table).toInt();
}

class BackupTest : public AdminTest
{
protected:
    QString bakFolder() const { return pathOf(QStringLiteral("Bak")); }
    QString backupName() const
    {
        return QDir(bakFolder())
            .filePath(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".bak"));
    }
    QString compactName() const { return QDir(bakFolder()).filePath(QStringLiteral("Back.Vek")); }
    QStringList bakEntries() const
    {
        return QDir(bakFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QString native(const QString& path) const { return QDir::toNativeSeparators(path); }
    QString backupDoneText() const
    {
        return QStringLiteral("数据库文件：<") + native(DatabasePath()) +
               QStringLiteral(">已成功备份：\r\n备份文件名为：<") + native(backupName()) +
               QStringLiteral(">！");
    }
    QString compactDoneText() const
    {
        return QStringLiteral("数据库文件：<") + native(DatabasePath()) +
               QStringLiteral(">已成功压缩，\r\n并备份原来文件，备份文件名为：<") + native(backupName()) +
               QStringLiteral(">！");
    }
    void addUser(qint32 id, const QString& name)
    {
        Conn.exec(QStringLiteral("insert into userdata (userid, username) values (?, ?)"), {id, name});
    }

    // Records how the main window is taken out of use and put back.
    QList<bool> m_inUse;
    std::function<void(bool)> recorder()
    {
        return [this](bool inUse) { m_inUse << inUse; };
    }
};

} // namespace

TEST(AdministratorTest, OnlyUserOneNamedAdminInAnyCase)
{
    ResetSession();
    CurUserID = 1;
    CurUserName = QStringLiteral("Admin");
    EXPECT_TRUE(IsAdministrator());
    CurUserName = QStringLiteral("ADMIN");
    EXPECT_TRUE(IsAdministrator());
    CurUserName = QStringLiteral("root");
    EXPECT_FALSE(IsAdministrator());
    CurUserID = 2;
    CurUserName = QStringLiteral("admin");
    EXPECT_FALSE(IsAdministrator());
    ResetSession();
}

TEST_F(BackupTest, AnotherUserGetsTheAdministratorMessageAndNoConfirmation)
{
    CurUserID = 2;
    m_prompts.answerMessage(MsgResult::Ok);
    DatabaseMaintenance(true, recorder());
    EXPECT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("此操作只能由admin账号进行。")});
    EXPECT_TRUE(m_inUse.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(bakFolder()));
    EXPECT_TRUE(Conn.isOpen());
}

TEST_F(BackupTest, CancelInTheConfirmationTouchesNothing)
{
    m_prompts.answerMessage(MsgResult::Cancel);
    DatabaseMaintenance(false, recorder());
    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.last().text,
              QStringLiteral("请确保在没有其他用户在使用软件的情况进行。您是否继续？"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("重要提醒"));
    EXPECT_EQ(m_prompts.last().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(m_inUse.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(bakFolder()));
    EXPECT_TRUE(Conn.isOpen());
}

TEST_F(BackupTest, BackupItemCopiesTheFileAndReopensTheConnection)
{
    addUser(5, QStringLiteral("张三"));
    m_prompts.answerMessage(MsgResult::Ok); // confirmation
    m_prompts.answerMessage(MsgResult::Ok); // done
    DatabaseMaintenance(true, recorder());

    EXPECT_EQ(m_inUse, (QList<bool>{false, true}));
    EXPECT_EQ(m_prompts.last().text.toStdString(), backupDoneText().toStdString());
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("压缩数据库"));
    EXPECT_EQ(bakEntries(), QStringList{QFileInfo(backupName()).fileName()});
    // A byte copy of the complete file, with the row added just before.
    EXPECT_EQ(fileBytes(backupName()), fileBytes(DatabasePath()));
    EXPECT_EQ(rowsIn(backupName(), QStringLiteral("userdata")), 2);
    ASSERT_TRUE(Conn.isOpen());
    EXPECT_EQ(Conn.scalar(QStringLiteral("select username from userdata where userid = ?"), {5}).toString(),
              QStringLiteral("张三"));
}

TEST_F(BackupTest, SecondBackupOfTheDayReplacesTheFirst)
{
    QDir(folder()).mkdir(QStringLiteral("Bak"));
    QFile other(QDir(bakFolder()).filePath(QStringLiteral("20200101.bak")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    CloseDatabase();
    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_TRUE(BackupDatabase(DatabasePath(), true));
    EXPECT_EQ(rowsIn(backupName(), QStringLiteral("userdata")), 1);

    OpenDatabase();
    addUser(6, QStringLiteral("李四"));
    CloseDatabase();
    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_TRUE(BackupDatabase(DatabasePath(), true));

    // The existing folder was used; one file of the day, the later copy, and no temporary files.
    EXPECT_EQ(bakEntries(),
              (QStringList{QStringLiteral("20200101.bak"), QFileInfo(backupName()).fileName()}));
    EXPECT_EQ(rowsIn(backupName(), QStringLiteral("userdata")), 2);
}

TEST_F(BackupTest, CompactionShrinksTheFileKeepsTheRowsAndTheKey)
{
    addUser(5, QStringLiteral("张三"));
    // Free pages for the compaction to drop.
    Conn.exec(QStringLiteral("create table scratch (b blob)"));
    for (int i = 0; i < 50; ++i)
        Conn.exec(QStringLiteral("insert into scratch values (zeroblob(10000))"));
    Conn.exec(QStringLiteral("drop table scratch"));
    CloseDatabase();
    const QByteArray before = fileBytes(DatabasePath());
    const QFile::Permissions permissions = QFile::permissions(DatabasePath());
    // A leftover of a failed run.
    QDir(folder()).mkdir(QStringLiteral("Bak"));
    QFile leftover(compactName());
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.write("not a database");
    leftover.close();
    struct stat original = {};
    ASSERT_EQ(stat(QFile::encodeName(DatabasePath()).constData(), &original), 0);

    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_TRUE(BackupDatabase(DatabasePath(), false));
    // Compacted in place: a copy that waits to open the file meanwhile gets the compacted database,
    // not a file that has been replaced under it.
    struct stat compacted = {};
    ASSERT_EQ(stat(QFile::encodeName(DatabasePath()).constData(), &compacted), 0);
    EXPECT_EQ(compacted.st_ino, original.st_ino);
    EXPECT_FALSE(QFile::exists(DatabasePath() + QStringLiteral("-journal")));

    EXPECT_EQ(m_prompts.last().text.toStdString(), compactDoneText().toStdString());
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("压缩数据库"));
    EXPECT_EQ(bakEntries(), QStringList{QFileInfo(backupName()).fileName()});
    EXPECT_EQ(fileBytes(backupName()), before);
    EXPECT_LT(QFileInfo(DatabasePath()).size(), before.size() - 400000);
    EXPECT_EQ(QFile::permissions(DatabasePath()), permissions);
    EXPECT_EQ(QFile::permissions(backupName()), permissions);

    // Encrypted with the program's key, and whole.
    EXPECT_FALSE(fileBytes(DatabasePath()).startsWith("SQLite format 3"));
    OpenDatabase();
    EXPECT_EQ(Conn.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select username from userdata where userid = ?"), {5}).toString(),
              QStringLiteral("张三"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from mypinyin")).toInt(),
              rowsIn(backupName(), QStringLiteral("mypinyin")));
    Conn.exec(QStringLiteral("insert into userdata (userid, username) values (?, ?)"),
              {6, QStringLiteral("李四")});
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from userdata")).toInt(), 3);
}

TEST_F(BackupTest, CompactionItemReopensTheConnection)
{
    m_prompts.answerMessage(MsgResult::Ok);
    m_prompts.answerMessage(MsgResult::Ok);
    DatabaseMaintenance(false, recorder());
    EXPECT_EQ(m_prompts.last().text.toStdString(), compactDoneText().toStdString());
    EXPECT_EQ(m_inUse, (QList<bool>{false, true}));
    ASSERT_TRUE(Conn.isOpen());
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from userdata")).toInt(), 1);
}

TEST_F(BackupTest, FailedCompactionNamesTheBackupAndLeavesTheDatabase)
{
    addUser(5, QStringLiteral("张三"));
    CloseDatabase();
    // A leftover that cannot be deleted.
    ASSERT_TRUE(QDir(folder()).mkpath(QStringLiteral("Bak/Back.Vek/inside")));

    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_FALSE(BackupDatabase(DatabasePath(), false));

    const QString text = m_prompts.last().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("压缩数据库失败，原数据库已备份为文件，文件名：<") +
                                native(backupName()) + QStringLiteral(">。 \r\n失败代码：")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n失败原因：")));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("压缩数据库"));
    EXPECT_EQ(rowsIn(DatabasePath(), QStringLiteral("userdata")), 2);
    EXPECT_EQ(rowsIn(backupName(), QStringLiteral("userdata")), 2);
}

TEST_F(BackupTest, FailedCopyDoesNotClaimABackup)
{
    CloseDatabase();
    // The day's backup name is taken by a folder.
    ASSERT_TRUE(QDir(folder()).mkpath(QStringLiteral("Bak/") + QFileInfo(backupName()).fileName() +
                                      QStringLiteral("/x")));

    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_FALSE(BackupDatabase(DatabasePath(), true));

    const QString text = m_prompts.last().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("压缩数据库失败，原数据库未能备份。 \r\n失败代码：")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(native(backupName())));
    EXPECT_TRUE(QFileInfo(backupName()).isDir());
    EXPECT_EQ(rowsIn(DatabasePath(), QStringLiteral("userdata")), 1);
}

TEST_F(BackupTest, CopyFailureKeepsTheEarlierBackupOfTheDay)
{
    CloseDatabase();
    m_prompts.answerMessage(MsgResult::Ok);
    ASSERT_TRUE(BackupDatabase(DatabasePath(), true));
    const QByteArray earlier = fileBytes(backupName());
    OpenDatabase();
    addUser(6, QStringLiteral("李四"));
    CloseDatabase();

    // A full disk: no file of this process may grow beyond 100 kB for the moment.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    m_prompts.answerMessage(MsgResult::Ok);
    const bool done = BackupDatabase(DatabasePath(), false);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(done);
    const QString text = m_prompts.last().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("压缩数据库失败，原数据库未能备份。"))) << text.toStdString();
    // The system's reason for the failed write is passed on.
    EXPECT_GT(text.section(QStringLiteral("失败原因："), 1).size(), 0) << text.toStdString();
    EXPECT_EQ(bakEntries(), QStringList{QFileInfo(backupName()).fileName()});
    EXPECT_EQ(fileBytes(backupName()), earlier);
    EXPECT_EQ(rowsIn(DatabasePath(), QStringLiteral("userdata")), 2);
}

TEST_F(BackupTest, AnOpenDatabaseIsRefused)
{
    // The shared connection is still open, as another copy of the program would hold it.
    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_FALSE(BackupDatabase(DatabasePath(), false));
    EXPECT_TRUE(m_prompts.last().text.contains(QStringLiteral("正被其他用户或程序使用")));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("压缩数据库"));
    EXPECT_FALSE(QFileInfo::exists(backupName()));
    EXPECT_FALSE(QFileInfo::exists(compactName()));
    addUser(5, QStringLiteral("张三"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select count(*) from userdata")).toInt(), 2);
}

TEST_F(BackupTest, MissingDatabaseFileFailsWithoutAMessage)
{
    EXPECT_FALSE(BackupDatabase(pathOf(QStringLiteral("none.mdb")), true));
    EXPECT_TRUE(m_prompts.records().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(bakFolder()));
}
