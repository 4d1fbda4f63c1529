#pragma once

#include <memory>

#include <QString>

class QLockFile;

// One running copy per executable on this machine: a lock file in the user's runtime folder of
// this machine, named after the executable's full path, held while the process runs. Nothing is
// written beside the program, so a read-only program folder or a lock left there by a copy on
// another machine sharing the folder does not matter. A lock left by a copy that died is
// recognised by its process id and taken over.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString& executablePath);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False when another running copy of the executable holds the lock.
    bool tryLock();
    bool isLocked() const;
    void unlock();

    static QString lockFilePath(const QString& executablePath);

private:
    std::unique_ptr<QLockFile> m_lock;
};
