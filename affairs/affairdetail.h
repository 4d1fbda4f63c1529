#pragma once

#include <QDate>
#include <QString>

// One dated affair as its detail view shows it.
struct AffairDetail
{
    bool found = false;
    // Name, way, type, day with "(今日)" or "(还 N 天)", client (when its row exists) and remark.
    QString text;
    // The client whose contact entries are listed, and its company; 0 without a client row.
    qint32 clientId = 0;
    qint32 companyId = 0;
    bool done = false;
    bool closed = false;
};

AffairDetail LoadAffairDetail(qint32 affairId, const QDate& today);

// Stores the done and closed flags the user ticked.
void SaveAffairProgress(qint32 affairId, bool done, bool closed);
