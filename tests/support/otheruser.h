#pragma once

#include <memory>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Programs of the build run by another process of a test, as another user where the test needs
// one. Root may write any file and enter any folder, so a test of permissions runs its check as
// an ordinary user (nobody) when the tests run as root.
bool RunningAsRoot();

// The ordinary user's ids.
constexpr int OrdinaryUserId = 65534;

// A copy of a program of the build in a folder of its own that every user may enter: the build
// may lie where only its owner can (a checkout in root's home folder of mode 700).
class ProgramCopy
{
public:
    explicit ProgramCopy(const QString& program);
    QString path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// The dezarod-dbclient helper (tests/helper/dbclient.cpp), copied once per test program.
QString DbClientPath();

// Makes process run as the ordinary user when the test runs as root; its runtime folder is then a
// folder of that user's own, removed with the returned object (nullptr when nothing changed).
std::unique_ptr<QTemporaryDir> RunAsOrdinaryUserWhenRoot(QProcess& process);

// Holds the write lock of a database file from another process (dezarod-dbclient hold), as a copy
// of the program on another machine does while it saves, until release() or the end of the object.
class WriteLockHolder
{
public:
    explicit WriteLockHolder(const QString& databasePath);
    ~WriteLockHolder();
    WriteLockHolder(const WriteLockHolder&) = delete;
    WriteLockHolder& operator=(const WriteLockHolder&) = delete;

    bool isHolding() const { return m_holding; }
    QString errors() const { return m_errors; }
    // Ends the other process's transaction, which wrote nothing, and waits for it to end.
    void release();

private:
    QProcess m_process;
    bool m_holding = false;
    QString m_errors;
};
