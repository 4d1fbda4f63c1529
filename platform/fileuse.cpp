#include "platform/fileuse.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <sqlcipher/sqlite3.h>

namespace {

// The engine's lock bytes start at 1 GiB and take 512 bytes; the page holding them is never
// written, so a byte above them is free for marks of our own.
constexpr off_t UseByte = 0x40000000 + 0x300;

// The descriptor of the connection's main file. The unix file of the engine starts with its
// methods, its VFS, its lock record and then the descriptor; it is trusted only when it is
// really the file the connection names.
int engineDescriptor(sqlite3* db)
{
    sqlite3_file* file = nullptr;
    if (!db || sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        return -1;
    struct UnixFileHead
    {
        const sqlite3_io_methods* methods;
        sqlite3_vfs* vfs;
        void* inode;
        int fd;
    };
    const int fd = reinterpret_cast<const UnixFileHead*>(file)->fd;
    const char* name = sqlite3_db_filename(db, "main");
    struct stat open = {};
    struct stat named = {};
    if (!name || fstat(fd, &open) != 0 || stat(name, &named) != 0 || open.st_dev != named.st_dev ||
        open.st_ino != named.st_ino)
        return -1;
    return fd;
}

// A lock of the descriptor's own (not of the process), so that closing another descriptor of the
// same file leaves it alone.
bool lockUseByte(int fd, short type)
{
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = UseByte;
    lock.l_len = 1;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}

} // namespace

namespace FileUse {

bool markInUse(sqlite3* db)
{
    // A file the engine reaches by other means cannot be marked; the engine's locks still hold.
    const int fd = engineDescriptor(db);
    return fd < 0 || lockUseByte(fd, F_RDLCK);
}

bool takeSole(sqlite3* db)
{
    // Without a descriptor no other user can be ruled out.
    const int fd = engineDescriptor(db);
    return fd >= 0 && lockUseByte(fd, F_WRLCK);
}

} // namespace FileUse
