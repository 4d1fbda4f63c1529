#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include "platform/singleinstance.h"

namespace {

struct ProgramRun
{
    bool finished = false;
    int exitCode = -1;
    QString errors;
};

ProgramRun runProgram()
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(DEZAROD_BIN_DIR "/DezArod"), {});
    ProgramRun run;
    run.finished = process.waitForFinished(60000);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.exitCode = process.exitCode();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

// One test, so that the copies of this folder never run beside another test's.
TEST(ProgramStart, SecondCopyInTheSameFolderIsRefusedWhileTheFirstRunsOn)
{
    const QString bin = QStringLiteral(DEZAROD_BIN_DIR);
    const QString message = QString::fromUtf8("同一目录的程序只能运行一次！");
    ASSERT_TRUE(QDir(bin).exists(QStringLiteral("Skin/skinh.she")));

    // The first copy starts, takes the folder's lock and waits in its login window.
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(DEZAROD_BIN_DIR "/DezArod"), {});
    ASSERT_TRUE(first.waitForStarted());
    // Watch for the first copy's lock rather than trying the lock, which could win the race against it.
    const QLockFile lockFile(SingleInstanceLock::lockFilePath(bin + QStringLiteral("/DezArod")));
    bool taken = false;
    for (int i = 0; i < 600 && !taken; ++i) {
        qint64 pid = 0;
        QString host;
        QString application;
        taken = lockFile.getLockInfo(&pid, &host, &application) && pid == first.processId();
        if (!taken)
            QThread::msleep(50);
    }
    ASSERT_TRUE(taken) << "the first copy never took the lock: "
                       << QString::fromUtf8(first.readAllStandardError()).toStdString();
    // The settings file follows the lock; a fresh build has none before the first start.
    const QString ini = QDir(bin).filePath(QStringLiteral("DezArod.ini"));
    for (int i = 0; i < 600 && !QFile::exists(ini); ++i)
        QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(ini));

    const ProgramRun second = runProgram();
    ASSERT_TRUE(second.finished);
    EXPECT_TRUE(second.errors.contains(message)) << second.errors.toStdString();
    EXPECT_EQ(first.state(), QProcess::Running)
        << QString::fromUtf8(first.readAllStandardError()).toStdString();

    first.kill();
    first.waitForFinished();
    // A copy that died leaves no lock stuck: the next start may take it.
    SingleInstanceLock next(bin + QStringLiteral("/DezArod"));
    EXPECT_TRUE(next.tryLock());
}
