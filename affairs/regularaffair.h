#pragma once

#include <optional>

#include <QDate>
#include <QString>
#include <QStringList>

// A recurring affair (table AffairRegular) as its dialog shows and saves it.
struct RegularAffair
{
    qint32 id = 0;
    QString name;
    qint32 wayId = 0;
    qint32 typeId = 0;
    qint32 clientId = 0; // 0 also when the stored client no longer exists
    QString clientName;
    QString remark;
    qint16 kind = 0;        // RegularType
    bool kindChosen = true; // false when the stored kind was out of range: the user must choose one
    QString schedule;       // RegularData
    qint32 lead = 0;        // RemainDate
};

// Loads a recurring affair for its dialog. A stored kind outside 0 to 4 is written back as 4 and
// left to the user to choose; a schedule that is invalid for its kind is written back as the
// kind's default. Nothing when no row has the id.
std::optional<RegularAffair> LoadRegularAffair(qint32 id, const QDate& today);

// What the dialog's boxes hold when it saves; texts trimmed by the caller.
struct RegularAffairInput
{
    QString name;
    QString leadText;
    qint16 kind = -1;
    QString cycleText;    // every N days: N
    QString startText;    // every N days: the start day
    int weekdayIndex = 0; // weekly: 0 = Sunday
    QString monthDayText; // monthly: "01" to "31"
    QString yearDayText;  // yearly: "mm月dd日"
};

// The numbered errors of a save (empty name, a cycle outside 2 to 365, a lead not below the cycle,
// a date box that reads as no date). Without errors, the schedule text and the lead to store.
QStringList CheckRegularAffair(const RegularAffairInput& input, QString* schedule, qint32* lead);

// Writes the recurring affair (a new one, or one whose id no row has, gets a fresh key, today as
// createDate and the user as owner) with its log row, then replaces its dated affairs from today on
// by newly generated ones: all in one transaction. Returns the affair's key.
qint32 SaveRegularAffair(const RegularAffair& affair, const QDate& today);

// Deletes a recurring affair: its affairs dated before today become one-off affairs with their
// progress, those from today on are deleted. One transaction.
void DeleteRegularAffair(qint32 id, const QDate& today);

// The text the recurring-affair list shows for one affair: way, type, schedule with the next due
// day on or after today (empty when the stored schedule is invalid), lead, client and remark.
QString RegularAffairDescription(qint32 id, const QDate& today);
