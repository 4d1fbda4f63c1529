#include "core/dblayer.h"

#include <QComboBox>
#include <QListWidget>
#include <QRandomGenerator>
#include <QSignalBlocker>

#include "core/programfolder.h"

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

qint32 NewRandomId(const QString& tableName, const QString& fieldName)
{
    // Table and field names come from the program, never from the user; quote them all the same.
    const QString sql = QStringLiteral("select 1 from %1 where %2 = ? limit 1")
                            .arg(QuoteIdentifier(tableName), QuoteIdentifier(fieldName));
    Statement st(Conn, sql);
    for (;;) {
        const qint32 id = static_cast<qint32>(QRandomGenerator::global()->bounded(1, 99999999));
        st.reset();
        st.bind({id});
        if (!st.step())
            return id;
    }
}

QString TrimText(const QString& text, const QString&)
{
    const auto trimmed = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n'); };
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
        const auto add = [list](const QString& text, const QVariant& data) {
            auto* item = new QListWidgetItem(text, list);
            item->setData(Qt::UserRole, data);
        };
        if (!firstItem.isEmpty())
            add(firstItem, dataField.isEmpty() ? QVariant() : QVariant(firstItemData));
        if (!dataField.isEmpty()) {
            fillFromQuery(sql, textField, dataField, params,
                          [&add](const QString& text, qint32 data) { add(text, data); });
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
