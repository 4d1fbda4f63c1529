#include "core/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString g_folder;

} // namespace

QString ProgramFolder()
{
    return g_folder.isEmpty() ? QCoreApplication::applicationDirPath() : g_folder;
}

void SetProgramFolder(const QString& folder)
{
    g_folder = folder;
}

QString ProgramFile(const QString& name)
{
    return QDir(ProgramFolder()).filePath(name);
}
