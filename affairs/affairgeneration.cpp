#include "affairs/affairgeneration.h"

#include <vector>

#include <sqlcipher/sqlite3.h>

#include <QRandomGenerator>
#include <QStringList>
#include <QVariantList>

#include "affairs/regularschedule.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/database.h"
#include "platform/dberror.h"
#include "platform/transaction.h"

namespace {

const QString BirthdayName = QStringLiteral("客户生日");
constexpr int BirthdayLead = 3;
constexpr int BirthdayWindowDays = 3;

QString birthdayRemark(const QString& clientName)
{
    return QStringLiteral("为客户[") + clientName + QStringLiteral("]庆祝生日。");
}

// The statement's values when its key is drawn afresh until the insert finds it free.
void insertWithFreshKey(Statement& insert, QVariantList values)
{
    for (;;) {
        values[0] = static_cast<qint32>(QRandomGenerator::global()->bounded(1, 99999999));
        insert.reset();
        insert.bind(values);
        try {
            insert.step();
            insert.reset();
            return;
        } catch (const DbError& error) {
            insert.reset();
            if (error.code() != SQLITE_CONSTRAINT_PRIMARYKEY)
                throw;
        }
    }
}

// The first row's first column of a lookup, or a null value; the statement is left reset.
QVariant lookUp(Statement& st, const QVariantList& values)
{
    st.reset();
    st.bind(values);
    QVariant found;
    if (st.step())
        found = st.value(0);
    st.reset();
    return found;
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
QStringList dueBirthdayMonthDays(const QDate& fromDate, int year)
{
    QStringList due;
    for (QDate day(2000, 1, 1); day.year() == 2000; day = day.addDays(1)) {
        QDate next = BirthdayInYear(year, day.month(), day.day());
        if (next < fromDate)
            next = BirthdayInYear(year + 1, day.month(), day.day());
        if (fromDate.daysTo(next) <= BirthdayWindowDays)
            due.append(day.toString(QStringLiteral("MM-dd")));
    }
    return due;
}

} // namespace

struct AffairGenerator::RegularRow
{
    qint32 id = 0;
    qint16 kind = 0;
    QString schedule;
    QVariantList values; // name, lead, remark, way, type, client, owner: as the affair takes them
};

struct AffairGenerator::Statements
{
    explicit Statements(Database& db)
        : findRegular(
              db, QStringLiteral("select affairid from affair where GetAffairRegular = ? and AffairDate = ? "
                                 "limit 1")),
          insertRegular(
              db, QStringLiteral("insert into affair (affairid, GetAffairRegular, AffairDate, Affairname, "
                                 "RemainDate, RegularRemark, GetAffairClass, GetAffairSubject, GetClient, "
                                 "createuser) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")),
          // Rewritten only when something differs, so a second run the same day writes nothing.
          refreshRegular(
              db,
              QStringLiteral("update affair set Affairname = ?1, RemainDate = ?2, RegularRemark = ?3, "
                             "GetAffairClass = ?4, GetAffairSubject = ?5, GetClient = ?6, createuser = ?7 "
                             "where affairid = ?8 and not (Affairname is ?1 collate binary and "
                             "RemainDate is ?2 and RegularRemark is ?3 collate binary and "
                             "GetAffairClass is ?4 and GetAffairSubject is ?5 and GetClient is ?6 and "
                             "createuser is ?7)")),
          findBirthday(
              db, QStringLiteral("select affairid from affair where RegularRemark = ? collate binary and "
                                 "AffairDate = ? and GetAffairRegular = 0 limit 1")),
          insertBirthday(
              db,
              QStringLiteral("insert into affair (affairid, Affairname, GetAffairClass, GetAffairSubject, "
                             "GetClient, AffairDate, RemainDate, RegularRemark, createuser) "
                             "values (?, ?, 1, 1, ?, ?, ?, ?, ?)")),
          refreshBirthday(
              db,
              QStringLiteral("update affair set Affairname = ?1, GetAffairClass = 1, GetAffairSubject = 1, "
                             "GetClient = ?2, RemainDate = ?3 where affairid = ?4 and not "
                             "(Affairname is ?1 collate binary and GetAffairClass is 1 and "
                             "GetAffairSubject is 1 and GetClient is ?2 and RemainDate is ?3)"))
    {}

    Statement findRegular;
    Statement insertRegular;
    Statement refreshRegular;
    Statement findBirthday;
    Statement insertBirthday;
    Statement refreshBirthday;
};

AffairGenerator::AffairGenerator(Database& db, const QDate& today)
    : m_db(db), m_today(today), m_st(std::make_unique<Statements>(db))
{}

AffairGenerator::~AffairGenerator() = default;

QDate AffairGenerator::makeRegularAffairs(const QDate& fromDate, qint32 regularId, bool createAffairs)
{
    Transaction tx(m_db);
    QString sql =
        QStringLiteral("select AffairRegularId, RegularType, RegularData, AffairRegularname, RemainDate, "
                       "RegularRemark, GetAffairClass, GetAffairSubject, GetClient, createuser "
                       "from AffairRegular where 1 = 1");
    QVariantList params;
    if (!CanSeeAllUser) {
        sql += QStringLiteral(" and createuser = ?");
        params.append(CurUserID);
    }
    if (regularId != 0) {
        sql += QStringLiteral(" and AffairRegularId = ?");
        params.append(regularId);
    }
    // Read first, write after: the writes go to affair, but the selection stays a plain snapshot.
    std::vector<RegularRow> rows;
    {
        Statement select(m_db, sql);
        select.bind(params);
        while (select.step()) {
            RegularRow row;
            row.id = static_cast<qint32>(select.value(0).toLongLong());
            row.kind = static_cast<qint16>(select.value(1).toInt());
            row.schedule = select.value(2).toString();
            const QVariant client = select.value(8);
            row.values = {select.value(3), select.value(4).toLongLong(),
                          select.value(5), select.value(6),
                          select.value(7), client.isNull() ? 0 : client.toLongLong(),
                          select.value(9)};
            rows.push_back(std::move(row));
        }
    }
    QDate last;
    for (const RegularRow& row : rows) {
        const QDate day = NextDueDay(row.kind, row.schedule, fromDate, m_today);
        if (!day.isValid())
            continue;
        last = day;
        if (createAffairs)
            writeRegularAffair(row, day);
    }
    makeBirthdayAffairs(fromDate);
    tx.commit();
    return last;
}

void AffairGenerator::writeRegularAffair(const RegularRow& row, const QDate& day)
{
    const QVariant found = lookUp(m_st->findRegular, {row.id, day});
    if (found.isNull()) {
        insertWithFreshKey(m_st->insertRegular, QVariantList{0, row.id, day} + row.values);
    } else {
        run(m_st->refreshRegular, row.values + QVariantList{found});
    }
}

void AffairGenerator::makeBirthdayAffairs(const QDate& fromDate)
{
    Transaction tx(m_db);
    const QStringList monthDays = dueBirthdayMonthDays(fromDate, m_today.year());
    QStringList marks;
    QVariantList params;
    for (const QString& monthDay : monthDays) {
        marks.append(QStringLiteral("?"));
        params.append(monthDay);
    }
    QString sql = QStringLiteral("select clientid, clientname, Birthday, createuser from client "
                                 "where substr(Birthday, 6, 5) in (%1)")
                      .arg(marks.join(QLatin1Char(',')));
    if (!CanSeeAllUser) {
        sql += QStringLiteral(" and createuser = ?");
        params.append(CurUserID);
    }
    struct Due
    {
        qint32 clientId;
        QString name;
        QVariant owner;
        QDate day;
    };
    std::vector<Due> due;
    {
        Statement select(m_db, sql);
        select.bind(params);
        while (select.step()) {
            // The month-day is one of the due ones, so it names a day of the calendar.
            const QString born = select.value(2).toString();
            const int month = born.mid(5, 2).toInt();
            const int dayOfMonth = born.mid(8, 2).toInt();
            QDate next = BirthdayInYear(m_today.year(), month, dayOfMonth);
            if (next < fromDate)
                next = BirthdayInYear(m_today.year() + 1, month, dayOfMonth);
            due.push_back({static_cast<qint32>(select.value(0).toLongLong()), select.value(1).toString(),
                           select.value(3), next});
        }
    }
    for (const Due& client : due)
        writeBirthdayAffair(client.clientId, client.name, client.owner, client.day);
    tx.commit();
}

void AffairGenerator::writeBirthdayAffair(qint32 clientId, const QString& clientName, const QVariant& owner,
                                          const QDate& day)
{
    const QString remark = birthdayRemark(clientName);
    const QVariant found = lookUp(m_st->findBirthday, {remark, day});
    if (found.isNull()) {
        insertWithFreshKey(m_st->insertBirthday, {0, BirthdayName, clientId, day, BirthdayLead, remark,
                                                  owner.isNull() ? QVariant(CurUserID) : owner});
    } else {
        run(m_st->refreshBirthday, {BirthdayName, clientId, BirthdayLead, found});
    }
}

void AffairGenerator::makeComingAffairs()
{
    Transaction tx(m_db);
    for (int ahead = 0; ahead <= 2; ++ahead)
        makeRegularAffairs(m_today.addDays(ahead), 0, true);
    tx.commit();
}

QDate BirthdayInYear(int year, int month, int day)
{
    if (month == 2 && day == 29 && !QDate::isLeapYear(year))
        return QDate(year, 2, 28);
    return QDate(year, month, day);
}

QDate MakeRegularAffairs(const QDate& FromDate, qint32 AffairRegularID, bool CreateAffairs)
{
    return AffairGenerator(Conn, AffairToday()).makeRegularAffairs(FromDate, AffairRegularID, CreateAffairs);
}

void MakeBirthdayAffairs(const QDate& Today)
{
    AffairGenerator(Conn, AffairToday()).makeBirthdayAffairs(Today);
}

void MakeComingAffairs()
{
    AffairGenerator(Conn, AffairToday()).makeComingAffairs();
}
