#pragma once

#include <QString>

// The folder of the executable, where the database, the ini file, Skin/ and Bak/ live.
QString ProgramFolder();
// Points the program at another folder (tests use a temporary one); "" restores the default.
void SetProgramFolder(const QString& folder);
// A path inside the program folder.
QString ProgramFile(const QString& name);
