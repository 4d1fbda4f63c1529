#pragma once

#include <memory>
#include <vector>

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>

#include "affairs/affairtoday.h"

class Statement;

// Turns recurring affairs and client birthdays into dated affairs (table affair), one day at a
// time and never in advance. Running it again for a day refreshes the rows it made before and adds
// none. Each run looks up and writes its rows inside one write transaction, so two users
// generating the same day at once make no second row. It reads the session's CurUserID and
// CanSeeAllUser to see which recurring affairs and clients are the user's.
class AffairGenerator
{
public:
    // Works on the shared connection. today: the day the yearly schedules and the birthdays take
    // their year from.
    explicit AffairGenerator(const QDate& today);
    ~AffairGenerator();

    // For every visible recurring affair (only regularId when it is not 0): its first due day on
    // or after fromDate and, with createAffairs, the one affair of that day, inserted or refreshed
    // (its done and closed flags kept). Rows whose schedule is invalid are skipped. Then the
    // birthday affairs of fromDate. Returns the due day of the last recurring affair processed, or
    // an invalid date when none was.
    QDate makeRegularAffairs(const QDate& fromDate, qint32 regularId, bool createAffairs);

    // A birthday affair for every visible client whose next birthday (counted in the year of
    // today, or the next year when that day lies before fromDate) is at most three days after
    // fromDate. A client born on 29 February has it on 28 February in common years; clients
    // without a birthday are skipped. A new affair belongs to the client's owner.
    void makeBirthdayAffairs(const QDate& fromDate);

    // What the affair list needs before it lists: the affairs of today, tomorrow and the day
    // after, for every visible recurring affair and client, in one transaction.
    void makeComingAffairs();

private:
    struct Statements;
    struct RegularRow;
    struct Generated;
    struct Birthday;
    struct BirthdayAffair;

    // The passes of one run for the days in ascending order, in one transaction.
    QDate generate(const QList<QDate>& days, qint32 regularId, bool createAffairs);
    std::vector<RegularRow> readRegularRows(qint32 regularId);
    // The generated affairs from fromDate on, read once per run instead of one lookup per day.
    void readGenerated(qint32 regularId, const QDate& fromDate);
    void writeRegularAffair(const RegularRow& row, const QDate& day);
    void makeBirthdays(const QList<QDate>& days);
    std::vector<Birthday> readBirthdayClients(const QSet<QString>& monthDays);
    // The birthday affairs of those days by remark and day, read once per run.
    void readBirthdayAffairs(const QSet<QDate>& days);
    void writeBirthdayAffair(const Birthday& birthday);

    QDate m_today;
    std::unique_ptr<Statements> m_st;
    QHash<quint64, Generated> m_generated;
    QHash<QString, BirthdayAffair> m_birthdays;
};

// The same counting from AffairToday().
QDate MakeRegularAffairs(const QDate& FromDate, qint32 AffairRegularID, bool CreateAffairs);
void MakeBirthdayAffairs(const QDate& Today);
void MakeComingAffairs();

// The day a birthday (month and day) falls on in a year: 29 February is 28 February in common years.
QDate BirthdayInYear(int year, int month, int day);
