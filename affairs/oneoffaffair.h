#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// A one-off affair as the dialog holds it, texts trimmed by the caller.
struct OneOffAffair
{
    QString name;
    QString dateText; // "yyyy-mm-dd"
    QString leadText; // reminder lead in days
    qint32 wayId = 0;
    qint32 typeId = 0;
    qint32 clientId = 0;
    QString remark;
};

// The numbered errors of a save, in the order the dialog checks them: an empty name, a date that
// reads as no date or lies before today.
QStringList CheckOneOffAffair(const OneOffAffair& affair, const QDate& today);

// Inserts the affair (a negative lead counts as 0; not done, not closed, no recurring affair) and
// its log row in one transaction; returns the new affairid.
qint32 SaveOneOffAffair(const OneOffAffair& affair);
