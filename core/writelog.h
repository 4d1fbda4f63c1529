#pragma once

#include <QDateTime>

// The operations (table logoperate) and the kinds of object (table logclass) of the log.
inline constexpr qint32 LogAdd = 1;
inline constexpr qint32 LogModify = 2;
inline constexpr qint32 LogClient = 1;
inline constexpr qint32 LogCompany = 2;
inline constexpr qint32 LogRegularAffair = 3;
inline constexpr qint32 LogOneOffAffair = 4;
inline constexpr qint32 LogProduct = 5;
inline constexpr qint32 LogBundle = 6;
// An order's row names its contact person (the log shows the client's name).
inline constexpr qint32 LogOrder = 7;
inline constexpr qint32 LogOrderCheck = 8;

// Writes one row of the operation log (table logdata) for the logged-in user: LogOperate 1 add,
// 2 modify; LogClass the kind of object (table logclass); EditID the key of the object's row.
void WriteLog(qint32 LogOperate, qint32 LogClass, qint32 EditID);
// The same with a given time, for callers that must stamp several rows alike.
void WriteLog(qint32 LogOperate, qint32 LogClass, qint32 EditID, const QDateTime& when);
