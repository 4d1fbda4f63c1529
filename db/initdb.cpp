#include "db/initdb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "platform/database.h"
#include "platform/dberror.h"
#include "platform/transaction.h"

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("无法读取文件：%1").arg(path));
    return QString::fromUtf8(file.readAll());
}

// Loads "code,name" lines into a two-column table.
void loadCodes(Database& db, const QString& path, const QString& table)
{
    const QStringList lines = readText(path).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    Statement st(db, QStringLiteral("insert into %1 values (?, ?)").arg(table));
    for (const QString& line : lines) {
        const qsizetype comma = line.indexOf(QLatin1Char(','));
        bool ok = false;
        const qint64 code = line.left(comma).toLongLong(&ok);
        if (comma < 0 || !ok)
            throw DbError(QStringLiteral("数据行格式错误（%1）：%2").arg(path, line));
        st.reset();
        st.bind({code, line.mid(comma + 1).trimmed()});
        st.step();
    }
}

// Loads "syllable<TAB>characters" lines into mypinyin, keeping the file's order.
void loadPinyin(Database& db, const QString& path)
{
    const QStringList lines = readText(path).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    Statement st(db, QStringLiteral("insert into mypinyin (hanzi, pinyin) values (?, ?)"));
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() != 2)
            throw DbError(QStringLiteral("数据行格式错误（%1）：%2").arg(path, line));
        st.reset();
        st.bind({parts.at(1), parts.at(0)});
        st.step();
    }
}

} // namespace

QString DatabaseSourceFolder()
{
    return QStringLiteral(DEZAROD_DB_SOURCE_DIR);
}

void BuildDatabase(const QString& target, const QString& key, const QString& sourceFolder)
{
    if (QFileInfo::exists(target))
        throw DbError(QStringLiteral("数据库文件已存在：%1").arg(target));
    const QDir source(sourceFolder);
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    {
        Database db;
        db.create(partial, key);
        try {
            Transaction tx(db);
            db.execScript(readText(source.filePath(QStringLiteral("schema.sql"))));
            db.execScript(readText(source.filePath(QStringLiteral("seed.sql"))));
            loadCodes(db, source.filePath(QStringLiteral("data/regions/provinces.csv")), QStringLiteral("AreaProvince"));
            loadCodes(db, source.filePath(QStringLiteral("data/regions/cities.csv")), QStringLiteral("areacity"));
            loadCodes(db, source.filePath(QStringLiteral("data/regions/counties.csv")), QStringLiteral("areaCountry"));
            loadPinyin(db, source.filePath(QStringLiteral("data/pinyin.tsv")));
            tx.commit();
        } catch (...) {
            db.close();
            QFile::remove(partial);
            QFile::remove(partial + QStringLiteral("-journal"));
            throw;
        }
        db.close();
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        throw DbError(QStringLiteral("无法写入数据库文件：%1").arg(target));
    }
}
