#include "tests/support/otheruser.h"

#include <grp.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace {

const auto EveryoneReadsAndEnters = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

} // namespace

bool RunningAsRoot()
{
    return geteuid() == 0;
}

ProgramCopy::ProgramCopy(const QString& program)
{
    m_path = m_dir.filePath(QFileInfo(program).fileName());
    if (QFile::copy(program, m_path)) {
        QFile::setPermissions(m_dir.path(), EveryoneReadsAndEnters);
        QFile::setPermissions(m_path, EveryoneReadsAndEnters);
    }
}

QString DbClientPath()
{
    static const ProgramCopy copy(QStringLiteral(DEZAROD_BIN_DIR "/dezarod-dbclient"));
    return copy.path();
}

std::unique_ptr<QTemporaryDir> RunAsOrdinaryUserWhenRoot(QProcess& process)
{
    if (!RunningAsRoot())
        return nullptr;
    auto runtime = std::make_unique<QTemporaryDir>();
    if (chown(QFile::encodeName(runtime->path()).constData(), OrdinaryUserId, OrdinaryUserId) != 0)
        return runtime;
    QProcessEnvironment env = process.processEnvironment().isEmpty()
                                  ? QProcessEnvironment::systemEnvironment()
                                  : process.processEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime->path());
    env.insert(QStringLiteral("HOME"), runtime->path());
    process.setProcessEnvironment(env);
    process.setChildProcessModifier([] {
        if (setgroups(0, nullptr) != 0 || setgid(OrdinaryUserId) != 0 || setuid(OrdinaryUserId) != 0)
            _exit(70);
    });
    return runtime;
}

WriteLockHolder::WriteLockHolder(const QString& databasePath)
{
    m_process.start(DbClientPath(), {QStringLiteral("hold"), databasePath});
    m_holding = m_process.waitForReadyRead(30000) && m_process.readLine().trimmed() == "held";
    if (!m_holding) {
        m_process.waitForFinished(5000);
        m_errors = QString::fromUtf8(m_process.readAllStandardError());
    }
}

WriteLockHolder::~WriteLockHolder()
{
    release();
}

void WriteLockHolder::release()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.write("release\n");
    m_process.waitForBytesWritten(10000);
    if (!m_process.waitForFinished(30000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
    m_holding = false;
}
