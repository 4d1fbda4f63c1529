#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The source folders from the bottom layer up: a folder may include only folders before it.
const QStringList Layers = {QStringLiteral("platform"), QStringLiteral("core"),    QStringLiteral("controls"),
                            QStringLiteral("clients"),  QStringLiteral("affairs"), QStringLiteral("sales"),
                            QStringLiteral("analysis"), QStringLiteral("admin"),   QStringLiteral("app")};

// Every include of a source file under root that points to a layer above its own folder, as
// "folder/file:line includes other/"; in quotes or in angle brackets alike.
QStringList WrongIncludes(const QString& root)
{
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*["<]([a-z]+)/)"));
    QStringList wrong;
    for (int rank = 0; rank < Layers.size(); ++rank) {
        const QString folder = Layers[rank];
        QDirIterator files(QDir(root).filePath(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            QTextStream in(&file);
            for (int line = 1; !in.atEnd(); ++line) {
                const QRegularExpressionMatch match = include.match(in.readLine());
                if (match.hasMatch() && Layers.indexOf(match.captured(1)) > rank)
                    wrong << QStringLiteral("%1:%2 includes %3/")
                                 .arg(QDir(root).relativeFilePath(path))
                                 .arg(line)
                                 .arg(match.captured(1));
            }
        }
    }
    wrong.sort();
    return wrong;
}

void WriteFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

TEST(Layers, NoSourceFileIncludesALayerAboveItsOwn)
{
    EXPECT_EQ(WrongIncludes(QStringLiteral(DEZAROD_SOURCE_DIR)).join(u'\n'), QString());
}

TEST(Layers, AWrongIncludeIsNamedWithFileAndLine)
{
    QTemporaryDir root;
    WriteFile(root.filePath(QStringLiteral("core/good.cpp")),
              "#include \"core/good.h\"\n#include \"platform/x.h\"\n");
    WriteFile(root.filePath(QStringLiteral("core/bad.cpp")),
              "#include \"core/bad.h\"\n\n  #  include \"clients/picker.h\"\n#include <QString>\n"
              "#include <sqlcipher/sqlite3.h>\n#include <app/mainform.h>\n#include <platform/grid.h>\n");
    WriteFile(root.filePath(QStringLiteral("clients/list.h")),
              "#include \"affairs/affairs.h\"\n#include \"controls/x.h\"\n");
    WriteFile(root.filePath(QStringLiteral("affairs/ok.cpp")), "#include \"clients/picker.h\"\n");
    WriteFile(root.filePath(QStringLiteral("app/main.cpp")), "#include \"admin/users.h\"\n");

    EXPECT_EQ(WrongIncludes(root.path()), QStringList({QStringLiteral("clients/list.h:1 includes affairs/"),
                                                       QStringLiteral("core/bad.cpp:3 includes clients/"),
                                                       QStringLiteral("core/bad.cpp:6 includes app/")}));
}
