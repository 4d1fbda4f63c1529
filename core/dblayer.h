#pragma once

#include <array>
#include <functional>

#include <QString>
#include <QVariantList>

#include "platform/database.h"
#include "platform/recordset.h"

class QComboBox;
class QListWidget;
class QListWidgetItem;

// The shared connection and the four shared recordset slots.
extern Database Conn;
extern Recordset Rs1;
extern Recordset Rs2;
extern Recordset Rs3;
extern Recordset Rs4;

inline const QString DatabaseFileName = QStringLiteral("DezArod.mdb");
inline const QString DatabasePassword = QStringLiteral("Hwd305862");

QString DatabasePath();

void OpenDatabase();
// Closing a connection that is not open is harmless.
void CloseDatabase();

// Slots 1 to 4; any other slot number does nothing. Values are bound to the "?" marks of sql.
void OpenRecordset(short slot, const QString& sql, const QVariantList& params = {});
void CloseRecordset(short slot);
// The recordset of slot 1 to 4, or nullptr.
Recordset* SlotRecordset(short slot);

// The shared slots open when a handler starts. A handler left before its end (the file stayed
// busy) leaves the slots it opened open; closeOpenedSince() closes them, as the handler would have,
// so that the next try can open them again. Slots open before stay open for their own handler.
class SlotsOpenBefore
{
public:
    SlotsOpenBefore();
    void closeOpenedSince() const;

private:
    std::array<bool, 4> m_open;
};

// A key from 1 to 99999998 that no row of the table holds in the field at the moment of the check.
// Another copy of the program may take the key before the caller's insert: to store a new row
// with a random key, use AddNewWithRandomId or InsertWithRandomId below instead.
qint32 NewRandomId(const QString& tableName, const QString& fieldName);

// New rows with a random key. The key is drawn and the row inserted; when the insert fails because
// a row with that key exists (another copy took it meanwhile), the attempt is undone, a new key
// is drawn and the insert runs again. Errors of any other kind reach the caller. Returns the key.
//
// Through a recordset open on the table (the usual "select * from T where key = 0" before
// AddNew): AddNew, the key into keyField, fill() for the other fields, Update. fill may run more
// than once and only assigns fields.
qint32 AddNewWithRandomId(Recordset& rs, const QString& keyField, const std::function<void()>& fill);
// Through an insert of one's own: insert(key) writes the row with that key into tableName.
qint32 InsertWithRandomId(const QString& tableName, const QString& keyField,
                          const std::function<void(qint32 key)>& insert);

// The source of random keys (1 to 99999998). Tests replace it to force collisions; an empty
// function restores the uniform generator.
void SetRandomIdSource(std::function<qint32()> source);

// The text without leading and trailing blanks, carriage returns and line feeds.
QString TrimText(const QString& text, const QString& unused = QString());

// Refill a drop-down or list box from the rows of sql; the data of each entry is the row's dataField.
void FillCombo(QComboBox* combo, const QString& sql, const QString& textField, const QString& dataField,
               const QString& firstItem, qint32 firstItemData, bool selectFirst,
               const QVariantList& params = {});
void FillList(QListWidget* list, const QString& sql, const QString& textField, const QString& dataField,
              const QString& firstItem, qint32 firstItemData, bool selectFirst,
              const QVariantList& params = {});

// The 32-bit data value of an entry of a filled control (0 when out of range).
qint32 ItemData(const QComboBox* combo, int index);
qint32 ItemData(const QListWidget* list, int index);
// The data values of every entry of a list, top down.
QList<qint32> ItemDataList(const QListWidget* list);

// A list entry at the end, with its data as FillList gives it.
QListWidgetItem* AddListItem(QListWidget* list, const QString& text, const QVariant& data);
// Swaps the selected entry of a list (text and data) with the one above it (up) or below it and
// selects it in its new place. False, and nothing changes, without a selection or a neighbour there.
bool MoveSelectedItem(QListWidget* list, bool up);
