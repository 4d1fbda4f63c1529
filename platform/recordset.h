#pragma once

#include <string>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

class Database;
struct sqlite3_stmt;

// The rows of one query, readable in both directions, countable, and updatable in place when the
// query reads a single table. Rows are copied compactly at open (the statement is not kept),
// so an open recordset holds no lock on the file.
class Recordset
{
public:
    // Positions reported by AbsolutePosition() outside the rows.
    static constexpr int PosBOF = -2;
    static constexpr int PosEOF = -3;

    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens on a query. A statement that returns no rows (delete, update, insert) runs and leaves
    // the recordset closed.
    void Open(const QString& sql, Database& db, const QVariantList& params = {});
    void Close();
    bool IsOpen() const { return m_open; }
    QString Source() const { return m_source; }

    bool Eof() const;
    bool Bof() const;
    void MoveNext();
    void MovePrevious();
    void MoveFirst();
    void MoveLast();
    int RecordCount() const;
    int AbsolutePosition() const;

    int FieldCount() const;
    QString FieldName(int i) const;
    bool HasField(const QString& name) const;

    // Field values by name (any case); a Null column gives a null QVariant.
    QVariant Value(const QString& name) const;
    QVariant Value(int i) const;
    QString Text(const QString& name) const;  // Null as ""
    qint64 Int(const QString& name) const;    // Null as 0
    double Number(const QString& name) const; // Null as 0
    bool Bool(const QString& name) const;     // non-zero is true

    // Editing: AddNew() or an assignment to the current row, then Update().
    bool IsUpdatable() const { return m_updatable; }
    // The one table an updatable recordset writes to ("" when read-only).
    QString Table() const { return m_table; }
    void SetValue(const QString& name, const QVariant& value);
    void AddNew();
    void Update();
    void CancelUpdate();

private:
    struct Cell
    {
        qint8 type = 0; // 0 null, 1 integer, 2 real, 3 text, 4 blob
        union {
            qint64 i;
            double d;
            struct
            {
                quint32 off;
                quint32 len;
            } s;
        } v{};
    };
    enum class EditMode
    {
        None,
        Edit,
        Add
    };

    void requireOpen() const;
    void requireRow() const;
    int column(const QString& name) const;
    QVariant cellValue(qsizetype row, int col) const;
    void storeRow(qsizetype row, sqlite3_stmt* stmt, int firstColumn);
    void storeCell(qsizetype row, int col, sqlite3_stmt* stmt, int sc);
    void rereadRow(qsizetype row, qint64 rowid);
    void rereadExpressions(qsizetype row, qint64 rowid);
    void finishPendingEdit();
    void reset();

    Database* m_db = nullptr;
    bool m_open = false;
    QString m_source;
    int m_cols = 0;
    QStringList m_names;
    QHash<QString, int> m_index;
    std::vector<Cell> m_cells;
    std::string m_arena;
    std::vector<qint64> m_rowids;
    qsizetype m_pos = 0;

    bool m_updatable = false;
    QString m_table;
    QStringList m_origins; // source column of each field, empty for an expression
    QString m_rowidSql;    // the query with the rowid as a hidden first column
    QVariantList m_params;
    EditMode m_edit = EditMode::None;
    QHash<int, QVariant> m_pending;
};
