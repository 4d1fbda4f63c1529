#include "admin/logsearch.h"

#include <QHash>
#include <QVariantList>

#include "core/dblayer.h"
#include "core/session.h"
#include "platform/dberror.h"
#include "platform/recordset.h"

namespace {

QString isoDay(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM-dd"));
}

// logDate holds "yyyy-mm-dd hh:mm:ss", so a day's bounds are plain text comparisons: "yyyy-mm-dd"
// sorts before every time of that day. The windows of several days have no upper bound, so that
// an entry stamped by a machine whose clock runs ahead is still listed.
void appendDateWindow(const LogFilter& filter, const QDate& today, QString& sql, QVariantList& params)
{
    const auto from = [&](const QDate& day) {
        sql += QStringLiteral(" and logDate>=?");
        params << isoDay(day);
    };
    const auto before = [&](const QDate& day) {
        sql += QStringLiteral(" and logDate<?");
        params << isoDay(day);
    };
    switch (filter.window) {
    case LogDateWindow::Today:
        from(today);
        before(today.addDays(1));
        break;
    case LogDateWindow::TwoDays:
        from(today.addDays(-1));
        break;
    case LogDateWindow::ThreeDays:
        from(today.addDays(-2));
        break;
    case LogDateWindow::SevenDays:
        from(today.addDays(-6));
        break;
    case LogDateWindow::All:
        break;
    case LogDateWindow::Day:
        from(filter.day);
        if (!filter.range)
            before(filter.day.addDays(1));
        break;
    }
}

// The object names of one search: each class query with its key, run once.
class ObjectNames
{
public:
    QString find(const QString& sqlStr, qint64 editId)
    {
        const QString sql = sqlStr + QString::number(editId);
        const auto known = m_names.constFind(sql);
        if (known != m_names.constEnd())
            return *known;
        QString name;
        try {
            name = Conn.scalar(sql).toString();
        } catch (const DbError&) {
            // A class without a usable query, or a query that fails: the name stays empty.
        }
        m_names.insert(sql, name);
        return name;
    }

private:
    QHash<QString, QString> m_names;
};

} // namespace

QList<LogEntry> SearchLogEntries(const LogFilter& filter, const QDate& today)
{
    QString sql;
    QVariantList params;
    if (CanSeeAllUser) {
        sql = QStringLiteral(
            "select logid, LogOperatename, LogClassname, SqlStr, GetEditID, logDate, createuser, "
            "username from userdata, logdata, logclass, logoperate where createuser=userid");
        if (filter.userId != 0) {
            sql += QStringLiteral(" and userid=?");
            params << filter.userId;
        }
    } else {
        sql = QStringLiteral(
            "select logid, LogOperatename, LogClassname, SqlStr, GetEditID, logDate, createuser "
            "from logdata, logclass, logoperate where createuser=?");
        params << CurUserID;
    }
    sql += QStringLiteral(" and LogClassid=GetLogClass and LogOperateid=GetLogOperate");
    appendDateWindow(filter, today, sql, params);
    if (filter.operateId != 0) {
        sql += QStringLiteral(" and GetLogOperate=?");
        params << filter.operateId;
    }
    if (filter.classId != 0) {
        sql += QStringLiteral(" and GetLogClass=?");
        params << filter.classId;
    }
    sql += QStringLiteral(" order by logDate desc");

    QList<LogEntry> entries;
    ObjectNames names;
    Recordset rs;
    rs.Open(sql, Conn, params);
    for (; !rs.Eof(); rs.MoveNext()) {
        LogEntry entry;
        entry.logId = qint32(rs.Int(QStringLiteral("logid")));
        entry.operateName = rs.Text(QStringLiteral("LogOperatename"));
        entry.className = rs.Text(QStringLiteral("LogClassname"));
        entry.objectName = names.find(rs.Text(QStringLiteral("SqlStr")), rs.Int(QStringLiteral("GetEditID")));
        entry.day = rs.Text(QStringLiteral("logDate")).left(10);
        if (CanSeeAllUser && rs.Int(QStringLiteral("createuser")) != CurUserID)
            entry.userName = rs.Text(QStringLiteral("username"));
        entries.append(entry);
    }
    rs.Close();
    return entries;
}
