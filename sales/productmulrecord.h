#pragma once

#include <optional>

#include <QList>
#include <QString>

#include "sales/errorlist.h"

// A member product of a bundle as the bundle dialog holds it.
struct BundleMember
{
    qint32 productId = 0;
    QString name;
    qint32 count = 0;
    qint32 key = 0;       // ProductSinMulid; 0 while not stored
    bool changed = false; // the quantity was set or changed in the dialog
};

// What the bundle dialog saves.
struct BundleForm
{
    qint32 GetProductMulId = 0; // the stored bundle shown; 0 = a new one
    QString number;             // the typed number, already normalised to its decimal text
    QString name;
    QString nameEn;
    QList<BundleMember> members;
};

// The stored bundle's number and names; none when no row.
std::optional<BundleForm> LoadBundleRow(qint32 id);
// The members of a bundle ordered by product number (members whose product is gone are left out).
QList<BundleMember> LoadBundleMembers(qint32 id);

// Checks the bundle and, when nothing is wrong, stores it, its log row and its new and changed
// members in one transaction; the typed number of a new bundle is checked inside it. Returns the
// errors; empty = saved.
ErrorList SaveBundle(const BundleForm& form);

// Deletes a stored member at once, independently of any save.
void DeleteBundleMember(qint32 key);
