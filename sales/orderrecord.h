#pragma once

#include <optional>

#include <QDate>
#include <QList>
#include <QString>

#include "sales/errorlist.h"

// One entered line of an order: a single product or a bundle with its quantity.
struct OrderLine
{
    qint32 key = 0; // OrderProMainID; 0 while not stored
    bool isMul = false;
    qint32 proId = 0; // productid, or productmulid of a bundle
    QString name;
    qint32 count = 0;
    bool changed = false; // added or its quantity changed since the last load
};

// What the order dialog saves.
struct OrderForm
{
    qint32 OrderID = 0; // the stored order shown; 0 = a new one
    QString number;     // the typed number, normalised to its decimal text
    qint32 CompanyId = 0;
    qint32 ClientId = 0;
    QDate orderDate;
    QString remark; // as typed, not trimmed
    QList<OrderLine> lines;
};

// The stored order's number, company, contact person, delivery date and remark; none when no row.
std::optional<OrderForm> LoadOrderRow(qint32 id);
// The stored lines of an order: bundle lines by bundle number, then single lines by product number.
QList<OrderLine> LoadOrderLines(qint32 id);

// The checks of a save: number not 0, number not used (new order), a contact person.
ErrorList CheckOrder(const OrderForm& form);
// Whether the contact person belongs to the chosen company (true when no company is chosen).
bool ClientBelongsToCompany(qint32 companyId, qint32 clientId);

// Checks the order again and, when nothing is wrong, stores its row, its log row, its new and
// changed lines, its expansion and its totals in one transaction, so that of two users saving the
// same new number at once the second gets the "exists" line. Returns the errors; empty = saved.
ErrorList SaveOrder(const OrderForm& form);

// Deletes a stored line at once and brings the order's expansion and totals up to date, together.
void DeleteOrderLine(qint32 key, qint32 orderId);

// Rebuilds the order's expansion to single products (table OrderProSin) at the products' current
// prices and writes its sales total, real sales amount and cost. Runs inside the caller's save.
void UpdateOrderTotals(qint32 OrderId);
