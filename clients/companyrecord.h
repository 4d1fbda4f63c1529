#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "clients/contractrows.h"

// The region of a new client or company, and of a company stored without one.
constexpr qint32 DefaultAreaCode = 350203;

// A customer company (table company) as its dialog shows it.
struct CompanyFields
{
    QString name;      // companyname, required
    QString shortName; // CompanyShortName, at most 18 characters
    QString bank;
    QString bankCode;
    QString address;
    QString introduce;
    QString remark;
    qint32 addressCode = DefaultAreaCode;
};

// The stored company; false when no company has the id. A row made by the client dialog holds
// only a name: its empty columns read as empty texts and its missing region as DefaultAreaCode.
bool LoadCompanyFields(qint32 companyId, CompanyFields& fields);

// Trims every text of the company and of its contact rows (TrimText).
void TrimCompanyFields(CompanyFields& fields, QList<ContractEntry>& entries);
// The numbered checks of a save (each line begins with "、"): the full name, then the contact rows.
QStringList CheckCompanyFields(const CompanyFields& fields, QList<ContractEntry>& entries);

// Stores the company (a new one when no company has companyId) with its contact rows and one log
// row, in one transaction. Returns the company's key.
qint32 SaveCompany(qint32 companyId, const CompanyFields& fields, const QList<ContractEntry>& entries);

// A company that holds only a name (and its initials), as the client dialog creates it, with its
// log row; for use
// inside the caller's transaction. Returns the new key.
qint32 AddNamedCompany(const QString& name);
