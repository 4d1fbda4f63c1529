#pragma once

#include <memory>

#include <QString>

class QLockFile;

// One running copy of the program per folder: a lock file in the program's folder, held while the
// process runs. A lock left by a copy that died is recognised by its process id and taken over.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString& folder);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False when another running copy holds the folder.
    bool tryLock();
    bool isLocked() const;
    void unlock();

    static QString lockFilePath(const QString& folder);

private:
    std::unique_ptr<QLockFile> m_lock;
};
