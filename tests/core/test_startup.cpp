#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>

#include "core/inifile.h"
#include "core/session.h"
#include "core/skins.h"
#include "core/startup.h"
#include "platform/ansicodepage.h"
#include "platform/singleinstance.h"
#include "tests/support/skinfolder.h"
#include "tests/support/fixtures.h"
#include "tests/support/otheruser.h"

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

class StartupTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        CurSkin = SkinInfo{};
    }
    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        AppTest::TearDown();
    }

    void writeIni(const QByteArray& bytes)
    {
        QFile file(pathOf(IniFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

} // namespace

TEST(IniFile, KeyIsTrimmedOfBlanksAndComparedInAnyCase)
{
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]3\r\n")), 3);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[ skinid ]5")), 5);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SKINID]4")), 4);
    // Only blanks, carriage returns and line feeds are trimmed: a tab before the key spoils it.
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[\tSkinId]5")), 0);
    // Text before the "[" does not matter.
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("\t[SkinId]5")), 5);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[Skin]5\r\n[Other]6")), 0);
}

TEST(IniFile, BracketOrderDecidesWhetherALineCounts)
{
    // "]" before "[" is skipped; a line without "[" takes the text before "]" as its key.
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("]SkinId[5")), 0);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("SkinId]5")), 5);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId 5")), 0);
    // The value starts after the first "]".
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]]5")), 0);
}

TEST(IniFile, LaterLineWins)
{
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]4\r\n[SkinId]6\r\n")), 6);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]4\r\n[SkinId]abc\r\n")), 0);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]4\n[SkinId]7\n")), 7);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]4\r[SkinId]8")), 8);
}

TEST(IniFile, ValueIsItsLeadingNumberRoundedHalfToEven)
{
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]7abc")), 7);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]abc7")), 0);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId] 2.5")), 2);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]3.5")), 4);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]-0.5")), 0);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]1 2")), 12);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]")), 0);
    // Too large for 32 bits: no skin.
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]99999999999")), 0);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]1e400")), 0);
    EXPECT_EQ(SkinIdFromIniText(QStringLiteral("[SkinId]2147483647")), 2147483647);
}

TEST(IniFile, LeadingNumberReading)
{
    EXPECT_EQ(LeadingNumber(QStringLiteral(" \t1\n2 3")), 123.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("-4x")), -4.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("+3")), 3.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1.2.3")), 1.2);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1e1")), 10.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("2D2")), 200.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1e")), 1.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("1e+x")), 1.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("-")), 0.0);
    EXPECT_EQ(LeadingNumber(QStringLiteral("\r5")), 0.0);
    EXPECT_EQ(LeadingNumber(QString()), 0.0);
}

TEST(IniFile, RoundingToThirtyTwoBits)
{
    qint32 v = 0;
    EXPECT_TRUE(RoundToInt32(-2147483648.4, &v));
    EXPECT_EQ(v, std::numeric_limits<qint32>::min());
    EXPECT_FALSE(RoundToInt32(2147483647.5, &v));
    EXPECT_TRUE(RoundToInt32(4.5, &v));
    EXPECT_EQ(v, 4);
}

TEST_F(StartupTest, MissingIniIsCreatedWithSkinThreeAndApplied)
{
    CopySkinFiles(folder());
    SingleInstanceLock lock(folder());
    ASSERT_TRUE(Main(lock));
    QFile ini(pathOf(IniFileName));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), QByteArray("[SkinId]3\r\n"));
    EXPECT_EQ(SkinId, 3);
    EXPECT_EQ(CurSkin.Id, 3);
    EXPECT_EQ(CurSkin.Name, u("新年大吉"));
    EXPECT_EQ(qApp->styleSheet(), ReadSkinFile(folder(), QStringLiteral("XinChunDaJie.she")));
    EXPECT_TRUE(lock.isLocked());
}

TEST_F(StartupTest, IniIsReadInTheCodePageAndNeverRewritten)
{
    CopySkinFiles(folder());
    const QByteArray content = ToAnsi(u("[说明]皮肤编号\r\n[SkinId]8\r\n"));
    writeIni(content);
    SingleInstanceLock lock(folder());
    ASSERT_TRUE(Main(lock));
    EXPECT_EQ(SkinId, 8);
    QFile ini(pathOf(IniFileName));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), content);
}

TEST_F(StartupTest, UnusableSkinIdFallsBackToSkinOne)
{
    CopySkinFiles(folder());
    writeIni("[SkinId]12\r\n");
    SingleInstanceLock lock(folder());
    ASSERT_TRUE(Main(lock));
    EXPECT_EQ(SkinId, 1);
    EXPECT_EQ(CurSkin.FileName, QStringLiteral("skinh.she"));
}

TEST_F(StartupTest, NoSkinFilesEndsTheStart)
{
    m_prompts.answerMessage(MsgResult::Ok);
    SingleInstanceLock lock(folder());
    EXPECT_FALSE(Main(lock));
    EXPECT_EQ(m_prompts.last().text, u("无法启动皮肤，程序打开失败。将关闭程序。"));
    EXPECT_EQ(m_prompts.last().title, u("关闭程序"));
    EXPECT_EQ(CurSkin.Id, 0);
}

TEST_F(StartupTest, SecondCopyInTheSameFolderIsRefused)
{
    CopySkinFiles(folder());
    SingleInstanceLock first(folder());
    ASSERT_TRUE(first.tryLock());
    m_prompts.answerMessage(MsgResult::Ok);
    SingleInstanceLock second(folder());
    EXPECT_FALSE(Main(second));
    EXPECT_EQ(m_prompts.last().text, u("同一目录的程序只能运行一次！"));
    EXPECT_EQ(m_prompts.last().title, QString());
    EXPECT_EQ(m_prompts.last().buttons, MsgButtons::Ok);
    EXPECT_TRUE(first.isLocked());
    // Nothing else ran: no settings file was made.
    EXPECT_FALSE(QFile::exists(pathOf(IniFileName)));

    // A copy in another folder is not refused.
    QTemporaryDir other;
    SingleInstanceLock elsewhere(other.path());
    EXPECT_TRUE(elsewhere.tryLock());
}

TEST_F(StartupTest, ReadOnlyProgramFolderWithAForeignLockStarts)
{
    CopySkinFiles(folder());
    writeIni("[SkinId]2\r\n");
    // A lock file of an earlier kind, left in the shared program folder by a copy on another machine.
    QFile foreign(pathOf(QStringLiteral("DezArod.lock")));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("4242\nDezArod\nanother-machine\n");
    foreign.close();
    const QStringList before =
        QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(folder(), readOnly));
    const QString executable = pathOf(QStringLiteral("DezArod"));

    // Root writes into any folder: the start is then also made by an ordinary user, for whom the
    // folder is read-only.
    if (RunningAsRoot()) {
        QProcess other;
        const auto runtime = RunAsOrdinaryUserWhenRoot(other);
        other.start(DbClientPath(), {QStringLiteral("start"), executable});
        ASSERT_TRUE(other.waitForFinished(30000));
        const QStringList said =
            QString::fromUtf8(other.readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
        EXPECT_EQ(said, (QStringList{QStringLiteral("started 2"),
                                     QStringLiteral("folder ") + before.join(QLatin1Char(',')),
                                     QStringLiteral("second 0")}))
            << other.readAllStandardError().toStdString();
    }

    SingleInstanceLock lock(executable);
    const bool started = Main(lock);
    QFile::setPermissions(folder(), readOnly | QFile::WriteOwner);
    EXPECT_TRUE(started);
    EXPECT_TRUE(lock.isLocked());
    EXPECT_EQ(SkinId, 2);
    // The lock lives outside the program folder, which is left as it was.
    EXPECT_FALSE(SingleInstanceLock::lockFilePath(executable).startsWith(folder()));
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              before);
    // A second copy of the same executable is still refused.
    SingleInstanceLock second(executable);
    EXPECT_FALSE(second.tryLock());
}

TEST_F(StartupTest, LockLeftByADeadCopyIsTakenOver)
{
    // The id of a process that has ended.
    QProcess finished;
    qint64 deadPid = 0;
    QObject::connect(&finished, &QProcess::started, [&] { deadPid = finished.processId(); });
    finished.start(QStringLiteral("/bin/true"));
    ASSERT_TRUE(finished.waitForFinished());
    ASSERT_NE(deadPid, 0);
    QFile stale(SingleInstanceLock::lockFilePath(folder()));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(deadPid) + "\nDezArod\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();

    SingleInstanceLock lock(folder());
    EXPECT_TRUE(lock.tryLock());
}
