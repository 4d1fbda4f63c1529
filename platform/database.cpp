#include "platform/database.h"

#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#include "platform/dberror.h"
#include "platform/fileuse.h"

namespace {

QString quoted(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString foreignFile(const QString& path)
{
    return QStringLiteral("无法读取数据库文件（数据库密码错误，或不是本程序的数据库）：%1").arg(shown(path));
}

QString lockedFile(const QString& path)
{
    return QStringLiteral("数据库文件正被其他用户或程序锁定，等待后仍无法使用：%1\n请稍后再试。")
        .arg(shown(path));
}

// The error of a failed first read, told by the engine's result code.
DbError openFailure(const DbError& e, const QString& path)
{
    switch (e.code() & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return DbError(lockedFile(path), e.code());
    case SQLITE_NOTADB:
        return DbError(foreignFile(path), e.code());
    case SQLITE_CORRUPT:
        return DbError(QStringLiteral("数据库文件已损坏，无法读取：%1\n请用 Bak 文件夹中的备份恢复它。")
                           .arg(shown(path)),
                       e.code());
    default:
        return DbError(QStringLiteral("无法读取数据库文件 %1：\n%2").arg(shown(path), e.message()), e.code());
    }
}

} // namespace

Database::~Database()
{
    close();
}

void Database::open(const QString& path, const QString& key)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw DbError(QStringLiteral("数据库文件不存在：%1").arg(shown(path)), SQLITE_CANTOPEN);
    // The engine would take an empty file for a new database and write one into it.
    if (info.size() == 0)
        throw DbError(QStringLiteral("数据库文件是空文件（0 字节），不是本程序的数据库：%1").arg(shown(path)),
                      SQLITE_NOTADB);
    openFile(path, key, false);
}

void Database::create(const QString& path, const QString& key)
{
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("数据库文件已存在：%1").arg(shown(path)));
    openFile(path, key, true);
}

void Database::setBusyTimeout(int ms)
{
    m_busyTimeoutMs = ms;
}

int Database::onBusy(void* self, int tries)
{
    auto* db = static_cast<Database*>(self);
    if (tries == 0)
        db->m_busySince.start();
    if (db->m_busySince.elapsed() >= db->m_busyTimeoutMs)
        return 0;
    // Short waits of varying length: the engine's lock goes to whoever asks first after it is
    // free, so a copy that waited long between tries would find it taken again and again.
    QThread::usleep(QRandomGenerator::global()->bounded(500, 5000));
    return 1;
}

void Database::openFile(const QString& path, const QString& key, bool create)
{
    if (m_db)
        throw DbError(QStringLiteral("数据库连接已经打开：%1").arg(m_path));
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString text =
            db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        throw DbError(QStringLiteral("无法打开数据库文件 %1：%2").arg(shown(path), text), rc);
    }
    m_db = db;
    m_path = path;
    try {
        // Before the first statement that reads the file: another copy may be writing for a moment.
        sqlite3_busy_handler(m_db, &Database::onBusy, this);
        exec(QStringLiteral("PRAGMA key = %1").arg(quoted(key)));
        // A build linked to plain SQLite ignores the key and would write an unencrypted file.
        if (scalar(QStringLiteral("PRAGMA cipher_version")).toString().isEmpty())
            throw DbError(QStringLiteral("数据库引擎不支持加密，拒绝打开：%1").arg(shown(path)));
        // Refused before the first read, which could already have to write (an interrupted save is
        // rolled back at the first read).
        checkWritable(path);
        if (readSchema(path) == 0 && !create)
            throw DbError(foreignFile(path), SQLITE_NOTADB);
        markInUse(path);
        // Copies on several machines share the file: the rollback journal works wherever file
        // locking does, a write-ahead log only among copies on one machine.
        QString mode;
        try {
            mode = scalar(QStringLiteral("PRAGMA journal_mode = DELETE")).toString();
        } catch (const DbError& e) {
            throw openFailure(e, path);
        }
        if (mode.compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
            throw DbError(QStringLiteral("无法设置数据库文件的日志方式：%1").arg(shown(path)), SQLITE_ERROR);
        exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        // Every page read is decrypted: a cache that holds a large file keeps searches typed key by
        // key from decrypting the same pages again (the engine drops it when another copy writes).
        exec(QStringLiteral("PRAGMA cache_size = %1").arg(-PageCacheKiB));
    } catch (...) {
        close();
        throw;
    }
}

void Database::checkWritable(const QString& path) const
{
    if (sqlite3_db_readonly(m_db, "main") == 1)
        throw DbError(QStringLiteral("数据库文件是只读的，本程序需要写入它：%1\n"
                                     "请去掉该文件的只读属性，或请管理员给您写入它的权限。")
                          .arg(shown(path)),
                      SQLITE_READONLY);
    // Every save makes its journal beside the file.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isWritable())
        throw DbError(
            QStringLiteral("数据库文件所在的文件夹是只读的，本程序保存数据时要在其中建立临时文件：%1\n"
                           "请让您对文件夹 %2 有写入权限。")
                .arg(shown(path), QDir::toNativeSeparators(folder)),
            SQLITE_READONLY);
}

qint64 Database::readSchema(const QString& path)
{
    try {
        return scalar(QStringLiteral("select count(*) from sqlite_master")).toLongLong();
    } catch (const DbError& e) {
        throw openFailure(e, path);
    }
}

void Database::markInUse(const QString& path)
{
    // A copy that holds the file alone (backup, compaction) usually ends within the wait.
    QElapsedTimer waited;
    waited.start();
    while (!FileUse::markInUse(m_db)) {
        if (waited.elapsed() >= m_busyTimeoutMs)
            throw DbError(lockedFile(path), SQLITE_BUSY);
        QThread::msleep(20);
    }
}

bool Database::takeSoleUse()
{
    return m_db && FileUse::takeSole(m_db);
}

void Database::close() noexcept
{
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_txDepth = 0;
}

QString Database::engineError() const
{
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("数据库连接未打开");
}

void Database::raise(const QString& context) const
{
    const int code = m_db ? sqlite3_extended_errcode(m_db) : 0;
    if ((code & 0xff) == SQLITE_BUSY)
        throw DbBusyError(code);
    throw DbError(QStringLiteral("数据库错误：%1\n%2").arg(engineError(), context), code);
}

void Database::exec(const QString& sql, const QVariantList& params)
{
    Statement st(*this, sql);
    st.bind(params);
    while (st.step()) {
    }
}

void Database::execScript(const QString& sql)
{
    if (!m_db)
        throw DbError(QStringLiteral("数据库连接未打开"));
    char* err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString text = QString::fromUtf8(err ? err : "");
        sqlite3_free(err);
        throw DbError(QStringLiteral("数据库错误：%1").arg(text));
    }
}

QVariant Database::scalar(const QString& sql, const QVariantList& params)
{
    Statement st(*this, sql);
    st.bind(params);
    if (!st.step() || st.columnCount() == 0)
        return {};
    QVariant v = st.value(0);
    while (st.step()) {
    }
    return v;
}

qint64 Database::lastInsertRowId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

int Database::changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

Statement::Statement(Database& db, const QString& sql) : m_db(db), m_sql(sql)
{
    if (!db.handle())
        throw DbError(QStringLiteral("数据库连接未打开\nSQL：%1").arg(sql));
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db.handle(), utf8.constData(), utf8.size(), &m_stmt, &tail) != SQLITE_OK)
        db.raise(QStringLiteral("SQL：%1").arg(sql));
    if (!m_stmt)
        throw DbError(QStringLiteral("SQL 语句为空"));
    // One statement per text: a second one would silently be ignored.
    while (tail && *tail && (*tail == ' ' || *tail == '\n' || *tail == '\r' || *tail == '\t' || *tail == ';'))
        ++tail;
    if (tail && *tail) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw DbError(QStringLiteral("一次只能执行一条 SQL 语句：%1").arg(sql));
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::bind(const QVariantList& params)
{
    const int expected = sqlite3_bind_parameter_count(m_stmt);
    if (expected != params.size())
        throw DbError(QStringLiteral("SQL 参数个数不符（需要 %1 个，给出 %2 个）：%3")
                          .arg(expected)
                          .arg(params.size())
                          .arg(m_sql));
    for (int i = 0; i < params.size(); ++i)
        bindValue(m_stmt, i + 1, params.at(i));
    m_bound = true;
}

bool Statement::step()
{
    if (!m_bound && sqlite3_bind_parameter_count(m_stmt) > 0)
        throw DbError(QStringLiteral("SQL 参数未给出（需要 %1 个）：%2")
                          .arg(sqlite3_bind_parameter_count(m_stmt))
                          .arg(m_sql));
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db.raise(QStringLiteral("SQL：%1").arg(m_sql));
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int i) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, i));
}

QVariant Statement::value(int i) const
{
    return columnValue(m_stmt, i);
}

QUtf8StringView Statement::utf8(int i) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i));
    return text ? QUtf8StringView(text, sqlite3_column_bytes(m_stmt, i)) : QUtf8StringView();
}

qint64 Statement::integer(int i) const
{
    return sqlite3_column_int64(m_stmt, i);
}

RowLock::RowLock(sqlite3_stmt* stmt) : m_mutex(sqlite3_db_mutex(sqlite3_db_handle(stmt)))
{
    sqlite3_mutex_enter(m_mutex);
}

RowLock::~RowLock()
{
    sqlite3_mutex_leave(m_mutex);
}

QString QuoteIdentifier(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (value.isNull() || !value.isValid()) {
        sqlite3_bind_null(stmt, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
        // Yes/No columns hold -1 for True, as the stored files always have.
        sqlite3_bind_int64(stmt, index, value.toBool() ? -1 : 0);
        return;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        sqlite3_bind_int64(stmt, index, value.toLongLong());
        return;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(stmt, index, value.toDouble());
        return;
    case QMetaType::QDate: {
        const QByteArray t = value.toDate().toString(QStringLiteral("yyyy-MM-dd")).toUtf8();
        sqlite3_bind_text(stmt, index, t.constData(), t.size(), SQLITE_TRANSIENT);
        return;
    }
    case QMetaType::QDateTime: {
        const QByteArray t = value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")).toUtf8();
        sqlite3_bind_text(stmt, index, t.constData(), t.size(), SQLITE_TRANSIENT);
        return;
    }
    case QMetaType::QByteArray: {
        const QByteArray b = value.toByteArray();
        sqlite3_bind_blob(stmt, index, b.constData(), b.size(), SQLITE_TRANSIENT);
        return;
    }
    default: {
        const QByteArray t = value.toString().toUtf8();
        sqlite3_bind_text(stmt, index, t.constData(), t.size(), SQLITE_TRANSIENT);
        return;
    }
    }
}

QVariant columnValue(sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
        return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                                          sqlite3_column_bytes(stmt, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                                   sqlite3_column_bytes(stmt, i)));
    default:
        return QVariant();
    }
}
