#include "platform/recordset.h"

#include <sqlcipher/sqlite3.h>

#include <QRegularExpression>

#include "platform/database.h"
#include "platform/dberror.h"

namespace {

// Rows of grouped or combined queries are not rows of one table and cannot be written back.
bool readsRowsOfOneTable(const QString& sql)
{
    static const QRegularExpression combined(
        QStringLiteral("\\b(distinct|group\\s+by|union|intersect|except)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return !combined.match(sql).hasMatch();
}

// The name of the hidden rowid column of an updatable query.
const QString RowidAlias = QStringLiteral("\"dezarod_rowid\"");

struct Prepared
{
    sqlite3_stmt* stmt = nullptr;
    ~Prepared() { sqlite3_finalize(stmt); }
};

} // namespace

void Recordset::reset()
{
    m_open = false;
    m_db = nullptr;
    m_cols = 0;
    m_names.clear();
    m_index.clear();
    m_cells.clear();
    m_cells.shrink_to_fit();
    m_arena.clear();
    m_arena.shrink_to_fit();
    m_rowids.clear();
    m_rowids.shrink_to_fit();
    m_pos = 0;
    m_updatable = false;
    m_table.clear();
    m_origins.clear();
    m_rowidSql.clear();
    m_params.clear();
    m_edit = EditMode::None;
    m_pending.clear();
}

void Recordset::Open(const QString& sql, Database& db, const QVariantList& params)
{
    if (m_open)
        throw DbError(QStringLiteral("记录集仍处于打开状态，不能再次打开：%1").arg(sql));
    if (!db.handle())
        throw DbError(QStringLiteral("数据库连接未打开\nSQL：%1").arg(sql));
    reset();
    m_source = sql;

    Statement first(db, sql);
    const int cols = first.columnCount();
    if (cols == 0) {
        // A delete or update: run it; the recordset stays closed.
        first.bind(params);
        while (first.step()) {
        }
        return;
    }

    // A query over one table gets that table's rowid as a hidden first column, so that its rows
    // can be written back.
    sqlite3_stmt* probe = first.handle();
    QString table;
    bool oneTable = readsRowsOfOneTable(sql);
    QStringList origins;
    for (int c = 0; c < cols; ++c) {
        const char* t = sqlite3_column_table_name(probe, c);
        const char* o = sqlite3_column_origin_name(probe, c);
        origins << (o ? QString::fromUtf8(o) : QString());
        if (!t) {
            continue;
        }
        const QString name = QString::fromUtf8(t);
        if (table.isEmpty())
            table = name;
        else if (table.compare(name, Qt::CaseInsensitive) != 0)
            oneTable = false;
    }
    if (table.isEmpty())
        oneTable = false;

    Prepared rewritten;
    sqlite3_stmt* stmt = probe;
    int firstColumn = 0;
    if (oneTable) {
        static const QRegularExpression select(QStringLiteral("^\\s*select\\s"),
                                               QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = select.match(sql);
        if (m.hasMatch()) {
            const QString withRowid = sql.left(m.capturedEnd()) + QuoteIdentifier(table) +
                                      QStringLiteral(".rowid as ") + RowidAlias + QStringLiteral(", ") +
                                      sql.mid(m.capturedEnd());
            const QByteArray utf8 = withRowid.toUtf8();
            if (sqlite3_prepare_v2(db.handle(), utf8.constData(), utf8.size(), &rewritten.stmt, nullptr) ==
                    SQLITE_OK &&
                rewritten.stmt && sqlite3_column_count(rewritten.stmt) == cols + 1) {
                stmt = rewritten.stmt;
                firstColumn = 1;
                m_rowidSql = withRowid;
            }
        }
    }

    m_db = &db;
    m_cols = cols;
    for (int c = 0; c < cols; ++c) {
        const QString name = QString::fromUtf8(sqlite3_column_name(probe, c));
        m_names << name;
        // The first of two equal names wins, as a field lookup by name did.
        m_index.insert(name.toLower(), m_index.value(name.toLower(), c));
    }
    if (firstColumn == 1) {
        m_updatable = true;
        m_table = table;
        m_origins = origins;
        m_params = params;
    }

    for (int i = 0; i < params.size(); ++i)
        bindValue(stmt, i + 1, params.at(i));
    if (sqlite3_bind_parameter_count(stmt) != params.size())
        throw DbError(QStringLiteral("SQL 参数个数不符（需要 %1 个，给出 %2 个）：%3")
                          .arg(sqlite3_bind_parameter_count(stmt))
                          .arg(params.size())
                          .arg(sql));
    qsizetype row = 0;
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            db.raise(QStringLiteral("SQL：%1").arg(sql));
        m_cells.resize(static_cast<size_t>((row + 1) * m_cols));
        storeRow(row, stmt, firstColumn);
        if (firstColumn == 1)
            m_rowids.push_back(sqlite3_column_int64(stmt, 0));
        ++row;
    }
    m_open = true;
    m_pos = 0;
}

void Recordset::storeRow(qsizetype row, sqlite3_stmt* stmt, int firstColumn)
{
    for (int c = 0; c < m_cols; ++c)
        storeCell(row, c, stmt, c + firstColumn);
}

void Recordset::storeCell(qsizetype row, int col, sqlite3_stmt* stmt, int sc)
{
    Cell& cell = m_cells[static_cast<size_t>(row * m_cols + col)];
    switch (sqlite3_column_type(stmt, sc)) {
    case SQLITE_INTEGER:
        cell.type = 1;
        cell.v.i = sqlite3_column_int64(stmt, sc);
        break;
    case SQLITE_FLOAT:
        cell.type = 2;
        cell.v.d = sqlite3_column_double(stmt, sc);
        break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const bool text = sqlite3_column_type(stmt, sc) == SQLITE_TEXT;
        const void* data =
            text ? static_cast<const void*>(sqlite3_column_text(stmt, sc)) : sqlite3_column_blob(stmt, sc);
        const int len = sqlite3_column_bytes(stmt, sc);
        cell.type = text ? 3 : 4;
        cell.v.s.off = static_cast<quint32>(m_arena.size());
        cell.v.s.len = static_cast<quint32>(len);
        m_arena.append(static_cast<const char*>(data), static_cast<size_t>(len));
        break;
    }
    default:
        cell.type = 0;
        break;
    }
}

void Recordset::Close()
{
    reset();
}

void Recordset::requireOpen() const
{
    if (!m_open)
        throw DbError(QStringLiteral("记录集未打开"));
}

void Recordset::requireRow() const
{
    requireOpen();
    if (m_edit == EditMode::Add)
        return;
    if (m_pos < 0 || m_pos >= static_cast<qsizetype>(RecordCount()))
        throw DbError(
            QStringLiteral("BOF 或 EOF 中有一个是“真”，或者当前记录已被删除。\nSQL：%1").arg(m_source));
}

bool Recordset::Eof() const
{
    requireOpen();
    return RecordCount() == 0 || m_pos >= RecordCount();
}

bool Recordset::Bof() const
{
    requireOpen();
    return RecordCount() == 0 || m_pos < 0;
}

void Recordset::MoveNext()
{
    requireOpen();
    finishPendingEdit();
    if (Eof())
        throw DbError(QStringLiteral("已经位于记录集末尾（EOF），不能再向后移动。\nSQL：%1").arg(m_source));
    ++m_pos;
}

void Recordset::MovePrevious()
{
    requireOpen();
    finishPendingEdit();
    if (Bof())
        throw DbError(QStringLiteral("已经位于记录集开头（BOF），不能再向前移动。\nSQL：%1").arg(m_source));
    --m_pos;
}

void Recordset::MoveFirst()
{
    requireOpen();
    finishPendingEdit();
    m_pos = 0;
}

void Recordset::MoveLast()
{
    requireOpen();
    finishPendingEdit();
    m_pos = RecordCount() == 0 ? 0 : RecordCount() - 1;
}

int Recordset::RecordCount() const
{
    requireOpen();
    return m_cols == 0 ? 0 : static_cast<int>(m_cells.size() / static_cast<size_t>(m_cols));
}

int Recordset::AbsolutePosition() const
{
    if (Bof())
        return RecordCount() == 0 ? PosEOF : PosBOF;
    if (Eof())
        return PosEOF;
    return static_cast<int>(m_pos) + 1;
}

int Recordset::FieldCount() const
{
    requireOpen();
    return m_cols;
}

QString Recordset::FieldName(int i) const
{
    requireOpen();
    return m_names.value(i);
}

bool Recordset::HasField(const QString& name) const
{
    return m_index.contains(name.toLower());
}

int Recordset::column(const QString& name) const
{
    requireOpen();
    const auto it = m_index.constFind(name.toLower());
    if (it == m_index.constEnd())
        throw DbError(
            QStringLiteral("在对应所需名称或序数的集合中，未找到项目：%1\nSQL：%2").arg(name, m_source));
    return it.value();
}

QVariant Recordset::cellValue(qsizetype row, int col) const
{
    const Cell& cell = m_cells[static_cast<size_t>(row * m_cols + col)];
    switch (cell.type) {
    case 1:
        return QVariant(static_cast<qlonglong>(cell.v.i));
    case 2:
        return QVariant(cell.v.d);
    case 3:
        return QVariant(QString::fromUtf8(m_arena.data() + cell.v.s.off, cell.v.s.len));
    case 4:
        return QVariant(QByteArray(m_arena.data() + cell.v.s.off, cell.v.s.len));
    default:
        return QVariant();
    }
}

QVariant Recordset::Value(int i) const
{
    requireRow();
    if (i < 0 || i >= m_cols)
        throw DbError(QStringLiteral("字段序号超出范围：%1").arg(i));
    const auto pending = m_pending.constFind(i);
    if (pending != m_pending.constEnd())
        return pending.value();
    if (m_edit == EditMode::Add)
        return QVariant();
    return cellValue(m_pos, i);
}

QVariant Recordset::Value(const QString& name) const
{
    return Value(column(name));
}

QString Recordset::Text(const QString& name) const
{
    const QVariant v = Value(name);
    return v.isNull() ? QString() : v.toString();
}

qint64 Recordset::Int(const QString& name) const
{
    const QVariant v = Value(name);
    return v.isNull() ? 0 : v.toLongLong();
}

double Recordset::Number(const QString& name) const
{
    const QVariant v = Value(name);
    return v.isNull() ? 0.0 : v.toDouble();
}

bool Recordset::Bool(const QString& name) const
{
    const QVariant v = Value(name);
    return !v.isNull() && v.toLongLong() != 0;
}

void Recordset::SetValue(const QString& name, const QVariant& value)
{
    const int c = column(name);
    requireRow();
    if (!m_updatable || m_origins.value(c).isEmpty())
        throw DbError(QStringLiteral("该字段不能更新：%1\nSQL：%2").arg(name, m_source));
    if (m_edit == EditMode::None)
        m_edit = EditMode::Edit;
    m_pending.insert(c, value);
}

void Recordset::AddNew()
{
    requireOpen();
    if (!m_updatable)
        throw DbError(QStringLiteral("记录集不能添加记录（只读查询）：%1").arg(m_source));
    finishPendingEdit();
    m_edit = EditMode::Add;
    m_pending.clear();
}

void Recordset::CancelUpdate()
{
    m_edit = EditMode::None;
    m_pending.clear();
}

void Recordset::finishPendingEdit()
{
    // Moving away from an edited row stores it, as the cursor always did.
    if (m_edit != EditMode::None)
        Update();
}

void Recordset::Update()
{
    requireOpen();
    if (m_edit == EditMode::None)
        return;
    QStringList columns;
    QVariantList values;
    for (auto it = m_pending.constBegin(); it != m_pending.constEnd(); ++it) {
        columns << QuoteIdentifier(m_origins.at(it.key()));
        values << it.value();
    }
    const QString table = QuoteIdentifier(m_table);
    if (m_edit == EditMode::Add) {
        QString sql;
        if (columns.isEmpty()) {
            sql = QStringLiteral("insert into %1 default values").arg(table);
        } else {
            QStringList marks;
            for (int i = 0; i < columns.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        }
        m_db->exec(sql, values);
        const qint64 rowid = m_db->lastInsertRowId();
        const qsizetype row = RecordCount();
        m_cells.resize(static_cast<size_t>((row + 1) * m_cols));
        m_rowids.push_back(rowid);
        m_edit = EditMode::None;
        m_pending.clear();
        rereadRow(row, rowid);
        m_pos = row;
        return;
    }
    if (!columns.isEmpty()) {
        QStringList sets;
        for (const QString& c : columns)
            sets << c + QStringLiteral(" = ?");
        values << m_rowids.at(static_cast<size_t>(m_pos));
        m_db->exec(
            QStringLiteral("update %1 set %2 where rowid = ?").arg(table, sets.join(QStringLiteral(", "))),
            values);
        if (m_db->changes() == 0)
            throw DbError(QStringLiteral("当前记录已被其他用户删除，无法保存。\nSQL：%1").arg(m_source));
    }
    m_edit = EditMode::None;
    m_pending.clear();
    rereadRow(m_pos, m_rowids.at(static_cast<size_t>(m_pos)));
}

// Reads a stored row back, so the cached values are what the table holds (defaults, affinity).
void Recordset::rereadRow(qsizetype row, qint64 rowid)
{
    QStringList select;
    bool expressions = false;
    for (const QString& origin : m_origins) {
        select << (origin.isEmpty() ? QStringLiteral("null") : QuoteIdentifier(origin));
        expressions = expressions || origin.isEmpty();
    }
    Statement st(*m_db, QStringLiteral("select %1 from %2 where rowid = ?")
                            .arg(select.join(QStringLiteral(", ")), QuoteIdentifier(m_table)));
    st.bind({rowid});
    if (!st.step())
        throw DbError(QStringLiteral("当前记录已被其他用户删除。\nSQL：%1").arg(m_source));
    for (int c = 0; c < m_cols; ++c) {
        if (!m_origins.at(c).isEmpty())
            storeCell(row, c, st.handle(), c);
    }
    if (expressions)
        rereadExpressions(row, rowid);
}

// Computed columns come from the query itself, narrowed to the row. A row that the query's own
// conditions no longer select keeps what it had (a new row: Null).
void Recordset::rereadExpressions(qsizetype row, qint64 rowid)
{
    QString sql = m_rowidSql.trimmed();
    while (sql.endsWith(QLatin1Char(';')))
        sql = sql.chopped(1).trimmed();
    Statement st(*m_db, QStringLiteral("select * from (%1\n) where %2 = ?").arg(sql, RowidAlias));
    st.bind(m_params + QVariantList{rowid});
    if (!st.step())
        return;
    for (int c = 0; c < m_cols; ++c) {
        if (m_origins.at(c).isEmpty())
            storeCell(row, c, st.handle(), c + 1);
    }
}
