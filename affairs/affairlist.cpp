#include "affairs/affairlist.h"

#include "core/dblayer.h"
#include "core/session.h"
#include "platform/dberror.h"
#include "platform/transaction.h"

namespace {

QString stateCondition(const char* column, int state)
{
    if (state == AffairFilter::Either)
        return QString();
    return QStringLiteral(" and %1 %2 0").arg(QLatin1String(column), state == AffairFilter::Set ? "<>" : "=");
}

} // namespace

std::vector<AffairListRow> SearchAffairList(const AffairFilter& filter, const QDate& today)
{
    QString sql =
        QStringLiteral("select affair.affairid, Affairname, GetAffairRegular, AffairDate, GetClient, "
                       "AffairClassname, AffairSubjectname, isover, isclose, affair.createuser, %1, "
                       "client.clientid as foundclient, clientname ")
            .arg(CanSeeAllUser ? QStringLiteral("username") : QStringLiteral("'' as username"));
    QVariantList params;
    if (CanSeeAllUser) {
        sql += QStringLiteral("from userdata, AffairClass, AffairSubject, affair left join client on "
                              "client.clientid = affair.GetClient where affair.createuser = userdata.userid");
        if (filter.userId != 0) {
            sql += QStringLiteral(" and userdata.userid = ?");
            params << filter.userId;
        }
    } else {
        sql += QStringLiteral("from AffairClass, AffairSubject, affair left join client on "
                              "client.clientid = affair.GetClient where affair.createuser = ?");
        params << CurUserID;
    }
    sql += QStringLiteral(" and GetAffairClass = AffairClassid and GetAffairSubject = AffairSubjectid");
    if (filter.clientId > 0) {
        sql += QStringLiteral(" and GetClient = ?");
        params << filter.clientId;
    }
    if (filter.dateWindow == AffairFilter::BeforeToday) {
        sql += QStringLiteral(" and AffairDate < ?");
        params << today;
    } else if (filter.dateWindow != AffairFilter::AllDays) {
        const QDate day = today.addDays(filter.dateWindow - AffairFilter::Today);
        sql += QStringLiteral(" and julianday(AffairDate) - RemainDate <= julianday(?) and AffairDate >= ?");
        params << day << day;
    }
    if (filter.wayId != 0) {
        sql += QStringLiteral(" and GetAffairClass = ?");
        params << filter.wayId;
    }
    if (filter.typeId != 0) {
        sql += QStringLiteral(" and GetAffairSubject = ?");
        params << filter.typeId;
    }
    sql += stateCondition("isover", filter.done) + stateCondition("isclose", filter.closed);
    const bool latestFirst =
        filter.dateWindow == AffairFilter::BeforeToday || filter.dateWindow == AffairFilter::AllDays;
    sql += latestFirst ? QStringLiteral(" order by AffairDate desc") : QStringLiteral(" order by AffairDate");

    std::vector<AffairListRow> rows;
    QList<qint32> lostClients;
    Recordset rs;
    for (rs.Open(sql, Conn, params); !rs.Eof(); rs.MoveNext()) {
        AffairListRow row;
        row.id = static_cast<qint32>(rs.Int(QStringLiteral("affairid")));
        row.name = rs.Text(QStringLiteral("Affairname"));
        row.regular = rs.Int(QStringLiteral("GetAffairRegular")) > 0;
        row.date = QDate::fromString(rs.Text(QStringLiteral("AffairDate")), QStringLiteral("yyyy-MM-dd"));
        if (rs.Int(QStringLiteral("GetClient")) > 0 && rs.Value(QStringLiteral("foundclient")).isNull())
            lostClients << row.id;
        row.clientName = rs.Text(QStringLiteral("clientname"));
        row.way = rs.Text(QStringLiteral("AffairClassname"));
        row.type = rs.Text(QStringLiteral("AffairSubjectname"));
        row.done = rs.Bool(QStringLiteral("isover"));
        row.closed = rs.Bool(QStringLiteral("isclose"));
        row.owner = static_cast<qint32>(rs.Int(QStringLiteral("createuser")));
        row.ownerName = rs.Text(QStringLiteral("username"));
        rows.push_back(std::move(row));
    }
    rs.Close();
    if (!lostClients.isEmpty()) {
        try {
            Transaction tx(Conn);
            for (qint32 id : lostClients)
                Conn.exec(QStringLiteral("update affair set GetClient = 0 where affairid = ?"), {id});
            tx.commit();
        } catch (const DbBusyError&) {
            // The rows show no client either way; the next search stores it.
        }
    }
    return rows;
}

QString ReminderText(const QDate& date, const QDate& today)
{
    if (date == today)
        return QStringLiteral("今日");
    if (date > today)
        return QString::number(today.daysTo(date)) + QStringLiteral("日后");
    return QString();
}

QStringList AffairRowCells(const AffairListRow& row, const QDate& today)
{
    const bool showOwner = CanSeeAllUser && row.owner != CurUserID;
    return {QString::number(row.id),
            row.name,
            row.regular ? QStringLiteral("常规") : QStringLiteral("临时"),
            row.date.toString(QStringLiteral("yyyy-MM-dd")),
            ReminderText(row.date, today),
            row.clientName,
            row.way,
            row.type,
            row.done ? QStringLiteral("1") : QStringLiteral("0"),
            row.closed ? QStringLiteral("1") : QStringLiteral("0"),
            showOwner ? row.ownerName : QString()};
}
