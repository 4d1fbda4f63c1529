#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

// Rows written straight into a test's database, and the session most tests work as.

// Columns of a row and their values.
using RowColumns = QList<QPair<QString, QVariant>>;

// User 1, "admin", logged in.
void LogInAsAdmin();

void InsertRow(const QString& table, const RowColumns& columns);
// A user of group 1, with any further columns.
void AddUserRow(qint32 id, const QString& name, const RowColumns& more = {});
// A client created by owner, with any further columns.
void AddClientRow(qint32 id, const QString& name, qint32 owner = 1, const RowColumns& more = {});
