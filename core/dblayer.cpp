#include "core/dblayer.h"

#include <QComboBox>
#include <QListWidget>
#include <QRandomGenerator>
#include <QSignalBlocker>

#include <sqlcipher/sqlite3.h>

#include "core/programfolder.h"
#include "platform/dberror.h"
#include "platform/transaction.h"

namespace {

std::function<qint32()> g_randomIdSource;

qint32 drawRandomId()
{
    if (g_randomIdSource)
        return g_randomIdSource();
    return static_cast<qint32>(QRandomGenerator::global()->bounded(1, 99999999));
}

bool keyExists(const QString& tableName, const QString& fieldName, qint32 id)
{
    // Table and field names come from the program, never from the user; quote them all the same.
    return !Conn.scalar(QStringLiteral("select 1 from %1 where %2 = ? limit 1")
                            .arg(QuoteIdentifier(tableName), QuoteIdentifier(fieldName)),
                        {id})
                .isNull();
}

// Draws and inserts until the insert does not collide with an existing key. A failed attempt is
// undone as a whole (a save point inside an open transaction), then cleanUp() runs.
qint32 insertWithRetry(const QString& tableName, const QString& keyField,
                       const std::function<void(qint32)>& insert, const std::function<void()>& cleanUp)
{
    // A collision is one in tens of millions; many in a row mean a broken source, not bad luck.
    constexpr int MaxAttempts = 100;
    for (int attempt = 1;; ++attempt) {
        const qint32 id = drawRandomId();
        try {
            Transaction transaction(Conn);
            insert(id);
            transaction.commit();
            return id;
        } catch (const DbError& e) {
            if (cleanUp)
                cleanUp();
            const bool collision =
                (e.code() & 0xff) == SQLITE_CONSTRAINT && keyExists(tableName, keyField, id);
            if (!collision || attempt == MaxAttempts)
                throw;
        }
    }
}

} // namespace

Database Conn;
Recordset Rs1;
Recordset Rs2;
Recordset Rs3;
Recordset Rs4;

QString DatabasePath()
{
    return ProgramFile(DatabaseFileName);
}

void OpenDatabase()
{
    Conn.open(DatabasePath(), DatabasePassword);
}

void CloseDatabase()
{
    for (short slot = 1; slot <= 4; ++slot)
        SlotRecordset(slot)->Close();
    Conn.close();
}

Recordset* SlotRecordset(short slot)
{
    switch (slot) {
    case 1:
        return &Rs1;
    case 2:
        return &Rs2;
    case 3:
        return &Rs3;
    case 4:
        return &Rs4;
    default:
        return nullptr;
    }
}

void OpenRecordset(short slot, const QString& sql, const QVariantList& params)
{
    if (Recordset* rs = SlotRecordset(slot))
        rs->Open(sql, Conn, params);
}

void CloseRecordset(short slot)
{
    if (Recordset* rs = SlotRecordset(slot))
        rs->Close();
}

SlotsOpenBefore::SlotsOpenBefore()
{
    for (short slot = 1; slot <= 4; ++slot)
        m_open[slot - 1] = SlotRecordset(slot)->IsOpen();
}

void SlotsOpenBefore::closeOpenedSince() const
{
    for (short slot = 1; slot <= 4; ++slot) {
        if (!m_open[slot - 1])
            SlotRecordset(slot)->Close();
    }
}

qint32 NewRandomId(const QString& tableName, const QString& fieldName)
{
    for (;;) {
        const qint32 id = drawRandomId();
        if (!keyExists(tableName, fieldName, id))
            return id;
    }
}

qint32 AddNewWithRandomId(Recordset& rs, const QString& keyField, const std::function<void()>& fill)
{
    return insertWithRetry(
        rs.Table(), keyField,
        [&](qint32 id) {
            rs.AddNew();
            rs.SetValue(keyField, id);
            fill();
            rs.Update();
        },
        [&] { rs.CancelUpdate(); });
}

qint32 InsertWithRandomId(const QString& tableName, const QString& keyField,
                          const std::function<void(qint32 key)>& insert)
{
    return insertWithRetry(tableName, keyField, insert, {});
}

void SetRandomIdSource(std::function<qint32()> source)
{
    g_randomIdSource = std::move(source);
}

QString TrimText(const QString& text, const QString&)
{
    const auto trimmed = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && trimmed(text.at(begin)))
        ++begin;
    while (end > begin && trimmed(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

namespace {

// Appends the rows of sql through `append(text, data)`.
template <typename Append>
void fillFromQuery(const QString& sql, const QString& textField, const QString& dataField,
                   const QVariantList& params, Append append)
{
    Recordset rs;
    rs.Open(sql, Conn, params);
    if (!rs.IsOpen())
        return;
    while (!rs.Eof()) {
        append(rs.Text(textField), static_cast<qint32>(rs.Int(dataField)));
        rs.MoveNext();
    }
    rs.Close();
}

} // namespace

void FillCombo(QComboBox* combo, const QString& sql, const QString& textField, const QString& dataField,
               const QString& firstItem, qint32 firstItemData, bool selectFirst, const QVariantList& params)
{
    {
        // The fill itself is silent; only the final selection raises the control's handler.
        const QSignalBlocker blocker(combo);
        combo->clear();
        if (!firstItem.isEmpty())
            combo->addItem(firstItem, dataField.isEmpty() ? QVariant() : QVariant(firstItemData));
        if (!dataField.isEmpty()) {
            fillFromQuery(sql, textField, dataField, params,
                          [combo](const QString& text, qint32 data) { combo->addItem(text, data); });
        }
        combo->setCurrentIndex(-1);
    }
    if (selectFirst && combo->count() > 0)
        combo->setCurrentIndex(0);
}

void FillList(QListWidget* list, const QString& sql, const QString& textField, const QString& dataField,
              const QString& firstItem, qint32 firstItemData, bool selectFirst, const QVariantList& params)
{
    {
        const QSignalBlocker blocker(list);
        list->clear();
        if (!firstItem.isEmpty())
            AddListItem(list, firstItem, dataField.isEmpty() ? QVariant() : QVariant(firstItemData));
        if (!dataField.isEmpty()) {
            fillFromQuery(sql, textField, dataField, params,
                          [list](const QString& text, qint32 data) { AddListItem(list, text, data); });
        }
        list->setCurrentRow(-1);
    }
    if (selectFirst && list->count() > 0)
        list->setCurrentRow(0);
}

qint32 ItemData(const QComboBox* combo, int index)
{
    if (index < 0 || index >= combo->count())
        return 0;
    return combo->itemData(index).toInt();
}

qint32 ItemData(const QListWidget* list, int index)
{
    if (index < 0 || index >= list->count())
        return 0;
    return list->item(index)->data(Qt::UserRole).toInt();
}

QList<qint32> ItemDataList(const QListWidget* list)
{
    QList<qint32> data;
    for (int k = 0; k < list->count(); ++k)
        data.append(ItemData(list, k));
    return data;
}

QListWidgetItem* AddListItem(QListWidget* list, const QString& text, const QVariant& data)
{
    auto* item = new QListWidgetItem(text, list);
    item->setData(Qt::UserRole, data);
    return item;
}

bool MoveSelectedItem(QListWidget* list, bool up)
{
    const int selected = list->currentRow();
    const int target = up ? selected - 1 : selected + 1;
    if (selected < 0 || target < 0 || target >= list->count())
        return false;
    QListWidgetItem* from = list->item(selected);
    QListWidgetItem* to = list->item(target);
    const QString text = from->text();
    const QVariant data = from->data(Qt::UserRole);
    from->setText(to->text());
    from->setData(Qt::UserRole, to->data(Qt::UserRole));
    to->setText(text);
    to->setData(Qt::UserRole, data);
    list->setCurrentRow(target);
    return true;
}
