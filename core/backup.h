#pragma once

#include <functional>

#include <QString>

// Only user 1 named "admin" (in any case) may back up or compact the database.
bool IsAdministrator();

// Copies the database file at path to Bak/<yyyymmdd>.bak beside it and, unless BackupOnly, compacts
// the database in place (a compaction file Bak/Back.Vek left by an earlier run is deleted first). Reports the
// outcome in a message (none when the file is missing); true when the work completed. The file must not be
// open anywhere, not even on the shared connection: an open file is refused with a message.
bool BackupDatabase(const QString& path, bool BackupOnly);

// The main window's items "数据备份" (BackupOnly) and "数据压缩整理": administrator test, confirmation,
// then the work with the shared connection closed. setInUse(false) takes the main window out of use
// before the work and setInUse(true) puts it back afterwards.
void DatabaseMaintenance(bool BackupOnly, const std::function<void(bool)>& setInUse);
