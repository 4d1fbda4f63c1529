#include "affairs/affairgeneration.h"

#include <QSet>
#include <QStringList>
#include <QVariantList>

#include "affairs/regularschedule.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/database.h"
#include "platform/transaction.h"

namespace {

const QString BirthdayName = QStringLiteral("客户生日");
constexpr int BirthdayLead = 3;
constexpr int BirthdayWindowDays = 3;

QString birthdayRemark(const QString& clientName)
{
    return QStringLiteral("为客户[") + clientName + QStringLiteral("]庆祝生日。");
}

// Remarks are told apart as the database compares text: Latin letters without regard to case.
QString birthdayKey(const QString& remark, const QDate& day)
{
    QString folded = remark;
    for (QChar& c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return day.toString(Qt::ISODate) + QLatin1Char('\n') + folded;
}

quint64 generatedKey(qint32 regularId, const QDate& day)
{
    return (quint64(quint32(regularId)) << 32) | quint32(day.toJulianDay());
}

// Inserts a new affair with a fresh random key. Generation holds the write lock for its whole run,
// so no other copy can take the key between the check and the insert; a save point per row (as
// InsertWithRandomId sets) would cost an encrypted page copy for each of thousands of rows.
qint32 insertAffair(Statement& insert, QVariantList values)
{
    const qint32 id = NewRandomId(QStringLiteral("affair"), QStringLiteral("affairid"));
    values[0] = id;
    insert.reset();
    insert.bind(values);
    insert.step();
    insert.reset();
    return id;
}

// "?, ?, ..." for the values, which are appended to params.
template <typename Values> QString placeholders(const Values& values, QVariantList& params)
{
    QStringList marks;
    for (const auto& value : values) {
        marks.append(QStringLiteral("?"));
        params.append(value);
    }
    return marks.join(QLatin1Char(','));
}

// Without the right to see every user's rows, only the user's own.
void restrictToOwnRows(QString& sql, QVariantList& params)
{
    if (!CanSeeAllUser) {
        sql += QStringLiteral(" and createuser = ?");
        params.append(CurUserID);
    }
}

void run(Statement& st, const QVariantList& values)
{
    st.reset();
    st.bind(values);
    while (st.step()) {
    }
    st.reset();
}

// The month-days ("mm-dd") whose birthday falls within the window of fromDate.
QSet<QString> dueBirthdayMonthDays(const QDate& fromDate, int year)
{
    QSet<QString> due;
    for (QDate day(2000, 1, 1); day.year() == 2000; day = day.addDays(1)) {
        QDate next = BirthdayInYear(year, day.month(), day.day());
        if (next < fromDate)
            next = BirthdayInYear(year + 1, day.month(), day.day());
        if (fromDate.daysTo(next) <= BirthdayWindowDays)
            due.insert(day.toString(QStringLiteral("MM-dd")));
    }
    return due;
}

} // namespace

struct AffairGenerator::RegularRow
{
    qint32 id = 0;
    RegularSchedule schedule{0, QString()};
    QVariantList values; // name, lead, remark, way, type, client, owner: as the affair takes them
};

struct AffairGenerator::Generated
{
    qint32 affairId = 0;
    bool current = false; // it holds what its recurring affair says now
};

struct AffairGenerator::Birthday
{
    qint32 clientId = 0;
    QString remark;
    QString monthDay; // "mm-dd"
    QVariant owner;
    QDate day;
};

struct AffairGenerator::BirthdayAffair
{
    qint32 affairId = 0;
    qint64 client = -1; // GetClient, or -1 when the row's other values are not a birthday's
    QString remark;     // as stored, which may differ from the client's name in case only
};

struct AffairGenerator::Statements
{
    Statements();

    Statement insertRegular;
    Statement refreshRegular;
    Statement insertBirthday;
    Statement refreshBirthday;
};

AffairGenerator::Statements::Statements()
    : insertRegular(Conn,
                    QStringLiteral("insert into affair (affairid, GetAffairRegular, AffairDate, Affairname, "
                                   "RemainDate, RegularRemark, GetAffairClass, GetAffairSubject, GetClient, "
                                   "createuser) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")),
      refreshRegular(Conn,
                     QStringLiteral("update affair set Affairname = ?, RemainDate = ?, RegularRemark = ?, "
                                    "GetAffairClass = ?, GetAffairSubject = ?, GetClient = ?, createuser = ? "
                                    "where affairid = ?")),
      insertBirthday(
          Conn, QStringLiteral("insert into affair (affairid, Affairname, GetAffairClass, GetAffairSubject, "
                               "GetClient, AffairDate, RemainDate, RegularRemark, createuser) "
                               "values (?, ?, 1, 1, ?, ?, ?, ?, ?)")),
      refreshBirthday(
          Conn, QStringLiteral("update affair set Affairname = ?, GetAffairClass = 1, GetAffairSubject = 1, "
                               "GetClient = ?, RemainDate = ?, RegularRemark = ? where affairid = ?"))
{}

AffairGenerator::AffairGenerator(const QDate& today) : m_today(today), m_st(std::make_unique<Statements>()) {}

AffairGenerator::~AffairGenerator() = default;

QDate AffairGenerator::makeRegularAffairs(const QDate& fromDate, qint32 regularId, bool createAffairs)
{
    return generate({fromDate}, regularId, createAffairs);
}

void AffairGenerator::makeComingAffairs()
{
    generate({m_today, m_today.addDays(1), m_today.addDays(2)}, 0, true);
}

void AffairGenerator::makeBirthdayAffairs(const QDate& fromDate)
{
    Transaction tx(Conn);
    makeBirthdays({fromDate});
    tx.commit();
}

QDate AffairGenerator::generate(const QList<QDate>& days, qint32 regularId, bool createAffairs)
{
    Transaction tx(Conn);
    const std::vector<RegularRow> rows = readRegularRows(regularId);
    // A yearly day may lie before the first day asked for (1 January, asked for from 2 January of
    // the next year on 31 December), never before today.
    if (createAffairs)
        readGenerated(regularId, qMin(days.first(), m_today));
    QDate last;
    for (const QDate& fromDate : days) {
        for (const RegularRow& row : rows) {
            const QDate day = row.schedule.nextDueDay(fromDate, m_today);
            if (!day.isValid())
                continue;
            last = day;
            if (createAffairs)
                writeRegularAffair(row, day);
        }
    }
    makeBirthdays(days);
    tx.commit();
    m_generated.clear();
    return last;
}

std::vector<AffairGenerator::RegularRow> AffairGenerator::readRegularRows(qint32 regularId)
{
    QString sql =
        QStringLiteral("select AffairRegularId, RegularType, RegularData, AffairRegularname, RemainDate, "
                       "RegularRemark, GetAffairClass, GetAffairSubject, GetClient, createuser "
                       "from AffairRegular where 1 = 1");
    QVariantList params;
    restrictToOwnRows(sql, params);
    if (regularId != 0) {
        sql += QStringLiteral(" and AffairRegularId = ?");
        params.append(regularId);
    }
    std::vector<RegularRow> rows;
    Statement select(Conn, sql);
    select.bind(params);
    while (select.step()) {
        RegularRow row;
        row.id = static_cast<qint32>(select.value(0).toLongLong());
        row.schedule =
            RegularSchedule(static_cast<qint16>(select.value(1).toInt()), select.value(2).toString());
        const QVariant client = select.value(8);
        row.values = {select.value(3), select.value(4).toLongLong(),
                      select.value(5), select.value(6),
                      select.value(7), client.isNull() ? 0 : client.toLongLong(),
                      select.value(9)};
        rows.push_back(std::move(row));
    }
    return rows;
}

void AffairGenerator::readGenerated(qint32 regularId, const QDate& fromDate)
{
    // Compared with their recurring affairs here, in the query, as the refresh will copy them.
    QString sql = QStringLiteral(
        "select a.affairid, a.GetAffairRegular, cast(julianday(a.AffairDate) + 0.5 as integer), "
        "(a.Affairname is r.AffairRegularname collate binary and a.RemainDate is coalesce(r.RemainDate, 0) "
        "and "
        "a.RegularRemark is r.RegularRemark collate binary and a.GetAffairClass is r.GetAffairClass and "
        "a.GetAffairSubject is r.GetAffairSubject and a.GetClient is coalesce(r.GetClient, 0) and "
        "a.createuser is r.createuser) from affair a left join AffairRegular r on "
        "r.AffairRegularId = a.GetAffairRegular where a.AffairDate >= ? and a.GetAffairRegular <> 0");
    QVariantList params{fromDate};
    if (regularId != 0) {
        sql += QStringLiteral(" and a.GetAffairRegular = ?");
        params.append(regularId);
    }
    m_generated.clear();
    Statement select(Conn, sql);
    select.bind(params);
    while (select.step()) {
        const quint64 key = generatedKey(static_cast<qint32>(select.value(1).toLongLong()),
                                         QDate::fromJulianDay(select.value(2).toLongLong()));
        // Should a day hold two rows already, the first is the one refreshed, as a lookup finds it.
        if (!m_generated.contains(key))
            m_generated.insert(key,
                               {static_cast<qint32>(select.value(0).toLongLong()), select.value(3).toBool()});
    }
}

void AffairGenerator::writeRegularAffair(const RegularRow& row, const QDate& day)
{
    const quint64 key = generatedKey(row.id, day);
    const auto found = m_generated.find(key);
    if (found == m_generated.end()) {
        m_generated.insert(
            key, {insertAffair(m_st->insertRegular, QVariantList{0, row.id, day} + row.values), true});
    } else if (!found->current) {
        run(m_st->refreshRegular, row.values + QVariantList{found->affairId});
        found->current = true;
    }
}

void AffairGenerator::makeBirthdays(const QList<QDate>& days)
{
    QList<QSet<QString>> dueByDay;
    QSet<QString> anyDue;
    for (const QDate& day : days) {
        dueByDay.append(dueBirthdayMonthDays(day, m_today.year()));
        anyDue.unite(dueByDay.last());
    }
    // The same birthday found from two of the days is one affair.
    QHash<QString, Birthday> due;
    for (const Birthday& client : readBirthdayClients(anyDue)) {
        const int month = client.monthDay.left(2).toInt();
        const int dayOfMonth = client.monthDay.mid(3, 2).toInt();
        for (qsizetype i = 0; i < days.size(); ++i) {
            if (!dueByDay.at(i).contains(client.monthDay))
                continue;
            Birthday birthday = client;
            birthday.day = BirthdayInYear(m_today.year(), month, dayOfMonth);
            if (birthday.day < days.at(i))
                birthday.day = BirthdayInYear(m_today.year() + 1, month, dayOfMonth);
            due.insert(birthdayKey(birthday.remark, birthday.day) + QString::number(birthday.clientId),
                       birthday);
        }
    }
    QSet<QDate> dueDays;
    for (const Birthday& birthday : std::as_const(due))
        dueDays.insert(birthday.day);
    readBirthdayAffairs(dueDays);
    for (const Birthday& birthday : std::as_const(due))
        writeBirthdayAffair(birthday);
    m_birthdays.clear();
}

std::vector<AffairGenerator::Birthday> AffairGenerator::readBirthdayClients(const QSet<QString>& monthDays)
{
    QVariantList params;
    QString sql = QStringLiteral("select clientid, clientname, Birthday, createuser from client "
                                 "where substr(Birthday, 6, 5) in (%1)")
                      .arg(placeholders(monthDays, params));
    restrictToOwnRows(sql, params);
    std::vector<Birthday> clients;
    Statement select(Conn, sql);
    select.bind(params);
    while (select.step()) {
        Birthday client;
        client.clientId = static_cast<qint32>(select.value(0).toLongLong());
        client.remark = birthdayRemark(select.value(1).toString());
        client.monthDay = select.value(2).toString().mid(5, 5);
        // A new birthday affair belongs to the client's owner.
        client.owner = select.value(3).isNull() ? QVariant(CurUserID) : select.value(3);
        clients.push_back(std::move(client));
    }
    return clients;
}

void AffairGenerator::readBirthdayAffairs(const QSet<QDate>& days)
{
    m_birthdays.clear();
    if (days.isEmpty())
        return;
    QVariantList params{BirthdayName, BirthdayLead};
    const QString dayMarks = placeholders(days, params);
    Statement select(Conn,
                     QStringLiteral("select affairid, RegularRemark, AffairDate, GetClient, (Affairname is ? "
                                    "collate binary and GetAffairClass is 1 and GetAffairSubject is 1 and "
                                    "RemainDate is ?) from affair where GetAffairRegular = 0 and "
                                    "AffairDate in (%1)")
                         .arg(dayMarks));
    select.bind(params);
    while (select.step()) {
        const QString key = birthdayKey(select.value(1).toString(),
                                        QDate::fromString(select.value(2).toString(), Qt::ISODate));
        // Should a day hold the remark twice, the first row is refreshed.
        if (!m_birthdays.contains(key)) {
            m_birthdays.insert(key, {static_cast<qint32>(select.value(0).toLongLong()),
                                     select.value(4).toBool() ? select.value(3).toLongLong() : -1,
                                     select.value(1).toString()});
        }
    }
}

void AffairGenerator::writeBirthdayAffair(const Birthday& birthday)
{
    const QString key = birthdayKey(birthday.remark, birthday.day);
    const auto found = m_birthdays.find(key);
    if (found == m_birthdays.end()) {
        const qint32 id =
            insertAffair(m_st->insertBirthday, {0, BirthdayName, birthday.clientId, birthday.day,
                                                BirthdayLead, birthday.remark, birthday.owner});
        m_birthdays.insert(key, {id, birthday.clientId, birthday.remark});
    } else if (found->client != birthday.clientId || found->remark != birthday.remark) {
        run(m_st->refreshBirthday,
            {BirthdayName, birthday.clientId, BirthdayLead, birthday.remark, found->affairId});
        found->client = birthday.clientId;
        found->remark = birthday.remark;
    }
}

QDate BirthdayInYear(int year, int month, int day)
{
    if (month == 2 && day == 29 && !QDate::isLeapYear(year))
        return QDate(year, 2, 28);
    return QDate(year, month, day);
}

QDate MakeRegularAffairs(const QDate& FromDate, qint32 AffairRegularID, bool CreateAffairs)
{
    return AffairGenerator(AffairToday()).makeRegularAffairs(FromDate, AffairRegularID, CreateAffairs);
}

void MakeBirthdayAffairs(const QDate& Today)
{
    AffairGenerator(AffairToday()).makeBirthdayAffairs(Today);
}

void MakeComingAffairs()
{
    AffairGenerator(AffairToday()).makeComingAffairs();
}
