#pragma once

#include <QDateTime>

// Writes one row of the operation log (table logdata) for the logged-in user: LogOperate 1 add,
// 2 modify; LogClass the kind of object (table logclass); EditID the key of the object's row.
void WriteLog(qint32 LogOperate, qint32 LogClass, qint32 EditID);
// The same with a given time, for callers that must stamp several rows alike.
void WriteLog(qint32 LogOperate, qint32 LogClass, qint32 EditID, const QDateTime& when);
