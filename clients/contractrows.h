#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Contact entries (table Contract) of a client (iscompany false) or a company (true), with their
// kinds (ContractClass). The dialogs show them as rows (ContractPanel); this is the part that
// reads, checks and writes them, on the shared connection.

// A kind of contact entry. buttonName is the caption of the row's action button ("" = none).
struct ContractKind
{
    qint32 id = 0;
    QString name;
    QString buttonName;
};

// A stored entry with the button caption of its kind.
struct StoredContract
{
    qint32 contractId = 0;
    qint32 kindId = 0;
    QString data;
    bool isCompany = false;
    QString buttonName;
};

// One row of a dialog at save time.
struct ContractEntry
{
    QString key; // the row's ContractID, "0" for a row not stored yet
    qint32 kindId = 0;
    QString kindName;
    QString text;
    bool removed = false;  // hidden by its delete button
    bool readOnly = false; // a company's entry shown in the client dialog: never written there
};

// The kind names the checks know.
inline const QString MailKindName = QStringLiteral("邮箱");
inline const QString WebKindName = QStringLiteral("网址");

// Whether a kind's button caption gives the row an action button (more than two characters).
bool HasActionButton(const QString& buttonName);

// Every kind in display order.
QList<ContractKind> LoadContractKinds();
// The action button caption of a kind ("" when it has none or the kind is unknown).
QString ContractButtonName(qint32 kindId);

// The client's own entries, then those of its company (companyId, 0 = none), each part by kind
// order with the newest entry of a kind first.
QList<StoredContract> LoadClientContracts(qint32 clientId, qint32 companyId);
// A company's entries, by kind order with the newest entry of a kind first.
QList<StoredContract> LoadCompanyContracts(qint32 companyId);

// Trims the text of every row (TrimText), removed ones included.
void TrimContractEntries(QList<ContractEntry>& entries);

// The save's checks of the shown rows, appended to lines (each text beginning with "、"): one
// line for the first empty entry, then one per mail entry that IsValidEmail rejects. With
// completeWebAddresses, a web entry without "://" gets "http://" in front (in entries).
void CheckContractEntries(QList<ContractEntry>& entries, bool completeWebAddresses, QStringList& lines);

// Writes the rows of an owner: deletes the stored rows that were removed, updates the shown
// stored rows in place (their ContractID stays) and adds the new ones with fresh keys; read-only
// rows are left alone. One transaction (a save point of the caller's, if any).
void SaveContracts(const QList<ContractEntry>& entries, qint32 ownerId, bool isCompany);
