#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "clients/contractrows.h"

// A client (table client) as its dialog shows it, and the reading, checking and writing of it.
// The texts are kept as the dialog's boxes hold them; the save turns them into column values.
struct ClientFields
{
    QString name;       // clientname
    QString personCard; // personcard: 15 or 18 characters, or empty
    bool sex = true;    // true = "男"
    QString birthday;   // "yyyy-mm-dd" or "yyyy年mm月dd日"
    QString companyName;
    qint32 companyId = 0; // GetCompany, 0 = none
    QString address;
    QString remark;
    QString zipcode;
    QString salary;
    qint32 addressCode = 0;
    // The chosen value of each classification (index as in SixClassTables), 0 = undefined.
    QList<qint32> classIds;
};

// What a new client shows: sex "男", birthday "1960年01月01日", salary "0", region 350203, no
// company, every classification undefined.
ClientFields NewClientFields(qsizetype classCount);

// The stored client, with its company's name when that company exists (otherwise no company);
// false when no client has the id. One classification value per entry of classTables.
bool LoadClientFields(qint32 clientId, const QStringList& classTables, ClientFields& fields);

// The stored salary: the whole part of the typed number, 0 for an empty or non-numeric text.
qint64 SalaryValue(const QString& text);

// Whether an identity number has 15 or 18 characters and digits in its first 17.
bool HasIdNumberShape(const QString& code);

// Trims every text of the client and of its contact rows (TrimText).
void TrimClientFields(ClientFields& fields, QList<ContractEntry>& entries);
// The numbered checks of a save (each line begins with "、"): name, identity number, contact rows.
// Web entries without "://" get "http://" in front.
QStringList CheckClientFields(const ClientFields& fields, QList<ContractEntry>& entries);

// The user's own company of that name (0 = none), the first one stored when there are several.
qint32 FindOwnCompany(const QString& name);

struct SavedClient
{
    qint32 clientId = 0;
    qint32 companyId = 0;
};

// Stores the client (a new one when no client has clientId) with its contact rows, and first,
// when newCompanyName is not empty, a new company of that name which the client then belongs
// to. Writes one log row for the client and one for a new company. Everything in one transaction:
// an error leaves nothing written. classTables names the classification columns ("get" + T).
SavedClient SaveClient(qint32 clientId, const ClientFields& fields, const QStringList& classTables,
                       const QList<ContractEntry>& entries, const QString& newCompanyName = QString());
