#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QUtf8StringView>
#include <QVariant>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_mutex;

// One connection to an SQLCipher database file. Values always travel as bound parameters.
class Database
{
public:
    Database() = default;
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // How long a statement waits for a lock that another connection holds before it fails with
    // DbBusyError, trying again every few milliseconds: several copies saving at once each get
    // their turn, however many saves the others start meanwhile.
    static constexpr int DefaultBusyTimeoutMs = 30000;
    // The most memory the page cache of one connection takes (a file of 100,000 clients fits).
    static constexpr int PageCacheKiB = 64 * 1024;

    // Opens an existing encrypted file of the program. Throws DbError naming the file and the cause
    // (missing, empty, foreign or another key, locked by another copy after the wait, read-only file
    // or folder, damaged, engine without encryption), with the engine's result code as code().
    // Nothing is written to a file that is refused.
    void open(const QString& path, const QString& key);
    // Creates a new encrypted file; fails when the file exists.
    void create(const QString& path, const QString& key);
    void close() noexcept;
    bool isOpen() const { return m_db != nullptr; }
    QString path() const { return m_path; }
    sqlite3* handle() const { return m_db; }
    // Applies at once and to later opens (tests wait less).
    void setBusyTimeout(int ms);
    int busyTimeout() const { return m_busyTimeoutMs; }
    // Makes this connection the only one that has the file open, of any process on any machine:
    // false when another has it open. Until close(), every other open of the file fails as locked.
    bool takeSoleUse();
    // A byte copy of the open file to target, with the file's permissions, read through the engine's
    // own file handle: opening and closing another handle on the file would drop the process's locks
    // on it. Written under a temporary name, so that an earlier file of that name is replaced only by
    // a complete copy. Throws DbError with the engine's or the file's error code and text.
    void copyFileTo(const QString& target) const;

    // Runs one statement that returns no rows (or ignores them).
    void exec(const QString& sql, const QVariantList& params = {});
    // Runs a script of several statements without parameters (schema files).
    void execScript(const QString& sql);
    // First column of the first row, or a null QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& params = {});
    qint64 lastInsertRowId() const;
    int changes() const;

    // Depth of open transactions (see Transaction).
    int transactionDepth() const { return m_txDepth; }

    QString engineError() const;
    // Throws the connection's last error: DbBusyError when the file stayed busy, else DbError.
    [[noreturn]] void raise(const QString& context) const;

private:
    friend class Transaction;
    void openFile(const QString& path, const QString& key, bool create);
    void checkWritable(const QString& path) const;
    qint64 readSchema(const QString& path);
    void markInUse(const QString& path);
    static int onBusy(void* self, int tries);

    sqlite3* m_db = nullptr;
    QString m_path;
    int m_txDepth = 0;
    int m_busyTimeoutMs = DefaultBusyTimeoutMs;
    QElapsedTimer m_busySince;
};

// A prepared statement, finalized when it goes out of scope.
class Statement
{
public:
    Statement(Database& db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Exactly one value for each "?" of the statement; stepping a statement with marks that were
    // never bound fails too.
    void bind(const QVariantList& params);
    // Steps once; true while a row is available.
    bool step();
    void reset();
    int columnCount() const;
    QString columnName(int i) const;
    QVariant value(int i) const;
    // A column read without a QVariant, for loops over many rows: the text as UTF-8 without a copy
    // (Null as empty; valid until the next step), the integer (Null as 0).
    QUtf8StringView utf8(int i) const;
    qint64 integer(int i) const;
    sqlite3_stmt* handle() const { return m_stmt; }

private:
    Database& m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
    bool m_bound = false;
};

// Holds the connection's lock while the columns of a statement's current row are read: one lock
// for the row instead of one in every column call.
class RowLock
{
public:
    explicit RowLock(sqlite3_stmt* stmt);
    ~RowLock();
    RowLock(const RowLock&) = delete;
    RowLock& operator=(const RowLock&) = delete;

private:
    sqlite3_mutex* m_mutex;
};

// A table or column name as a quoted SQL identifier (names are pasted, values never are).
QString QuoteIdentifier(const QString& name);

// Binds one value the way every table expects it: Booleans as -1/0, dates as ISO text.
void bindValue(sqlite3_stmt* stmt, int index, const QVariant& value);
QVariant columnValue(sqlite3_stmt* stmt, int i);
