#pragma once

#include <QDir>
#include <QFile>
#include <QString>

// The shipped skin files copied into a test's program folder.
inline void CopySkinFiles(const QString& programFolder)
{
    const QDir source(QStringLiteral(DEZAROD_SOURCE_DIR "/Skin"));
    QDir(programFolder).mkpath(QStringLiteral("Skin"));
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), QDir(programFolder).filePath(QStringLiteral("Skin/") + name));
}

inline QString ReadSkinFile(const QString& programFolder, const QString& name)
{
    QFile file(QDir(programFolder).filePath(QStringLiteral("Skin/") + name));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}
