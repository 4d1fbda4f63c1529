#pragma once

struct sqlite3;

// Which connections have a database file open. The engine's own locks are taken only while a
// statement runs, so an idle connection leaves no trace on the file; work that needs the file to
// itself (backup, compaction) must also see those. Every connection therefore holds a shared lock
// on one byte of the engine's lock page (a page the engine never fills with data), on the engine's
// own descriptor: the lock ends with the connection, also when its process dies, and copies on
// other machines see it where the shared folder supports file locking.
namespace FileUse {

// Marks the connection's main file as in use; false while another connection holds it alone.
bool markInUse(sqlite3* db);
// Makes the connection the only one that has the file open: false when another connection of any
// process has it open. While held, markInUse of every other connection fails.
bool takeSole(sqlite3* db);

} // namespace FileUse
