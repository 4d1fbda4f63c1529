#pragma once

#include <optional>

#include <QHash>
#include <QList>
#include <QString>

#include "sales/errorlist.h"
#include "sales/salesnumbers.h"

// A box of the product dialog. Its name is also the column of table product it is stored in.
struct ProductBox
{
    QString name;
    int frame; // 1 basic data, 2 pack, 3 pallet, 4 free data
    QString label;
    QString tip; // the field's name in error lines
    BoxKind kind;
};

// The boxes in the dialog's control order, which is also the order of the numeric checks.
const QList<ProductBox>& ProductBoxes();

// What the product dialog holds: the box texts by box name and the chosen unit.
struct ProductForm
{
    qint32 GetProductId = 0; // the stored product shown; 0 = a new one
    QHash<QString, QString> texts;
    qint32 unit = 0; // 0 when the unit table is empty
};

// The stored product as the dialog shows it (a number box of value 0 is empty); none when no row.
std::optional<ProductForm> LoadProductRow(qint32 id);

// The texts as the save reads them: every box trimmed, the number box the decimal text of the
// number it holds ("007" becomes "7"; an empty box or one that is no plain number "0").
void NormalizeProductTexts(ProductForm& form);

// Checks the (normalised) product and, when nothing is wrong, stores it with its log row, all in
// one transaction. The typed number of a new product is checked inside that transaction, so two
// users saving the same number at once cannot both store it. Returns the errors; empty = saved.
ErrorList SaveProduct(const ProductForm& form);
