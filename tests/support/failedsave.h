#pragma once

#include <functional>

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A save that writes several rows must leave the database exactly as it found it when one of its
// later writes fails (a full disk, a broken share). These helpers make one write fail part-way
// through a save and compare every table before and after.

// Every row of every table of the open database (Conn), table by table: the rowid and the values
// of each row as text, in rowid order.
QMap<QString, QStringList> DatabaseRows();

// One save of the program and the write that is to fail in it.
struct FailingSave
{
    QString what;      // names the save in failure messages
    QString table;     // the table whose write fails
    QString event;     // "insert", "update" or "delete"
    QString condition; // an SQL condition over new./old. that picks the failing row; empty = every row
    std::function<void()> save;
};

// For each save in turn: makes the named write fail with an engine error, runs the save, expects
// it to end with that error, every table as it was before the save and no transaction left open.
void ExpectEachSaveLeavesNoTrace(const QList<FailingSave>& saves);
