#include "core/writelog.h"

#include "core/dblayer.h"
#include "core/session.h"
#include "platform/recordset.h"

void WriteLog(qint32 LogOperate, qint32 LogClass, qint32 EditID)
{
    WriteLog(LogOperate, LogClass, EditID, QDateTime::currentDateTime());
}

void WriteLog(qint32 LogOperate, qint32 LogClass, qint32 EditID, const QDateTime& when)
{
    // An empty recordset of the table, only for its AddNew.
    Recordset rs;
    rs.Open(QStringLiteral("select * from logdata where logid = ?"), Conn, {0});
    AddNewWithRandomId(rs, QStringLiteral("logid"), [&] {
        rs.SetValue(QStringLiteral("CreateUser"), CurUserID);
        rs.SetValue(QStringLiteral("GetLogOperate"), LogOperate);
        rs.SetValue(QStringLiteral("GetLogClass"), LogClass);
        rs.SetValue(QStringLiteral("GetEditID"), EditID);
        // Always the sortable ISO form: the log viewer compares these texts as dates.
        rs.SetValue(QStringLiteral("logDate"), when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    });
    rs.Close();
}
