#include "affairs/affairdetail.h"

#include "core/dblayer.h"

AffairDetail LoadAffairDetail(qint32 affairId, const QDate& today)
{
    AffairDetail detail;
    Recordset rs;
    rs.Open(QStringLiteral(
                "select Affairname, AffairDate, RegularRemark, GetClient, isover, isclose, AffairClassname, "
                "AffairSubjectname from affair, AffairClass, AffairSubject where "
                "AffairSubjectid = getAffairSubject and AffairClassid = getAffairClass and affairid = ?"),
            Conn, {affairId});
    if (rs.Eof())
        return detail;
    detail.found = true;
    detail.done = rs.Bool(QStringLiteral("isover"));
    detail.closed = rs.Bool(QStringLiteral("isclose"));
    const QString twoBreaks = QStringLiteral("\r\n\r\n");
    const QDate day = QDate::fromString(rs.Text(QStringLiteral("AffairDate")), QStringLiteral("yyyy-MM-dd"));
    QString when;
    if (day == today)
        when = QStringLiteral("(今日)");
    else if (day > today)
        when = QStringLiteral("(还 ") + QString::number(today.daysTo(day)) + QStringLiteral(" 天)");
    detail.text = QStringLiteral("事务名称：") + rs.Text(QStringLiteral("Affairname")) + twoBreaks +
                  QStringLiteral("事务方式：") + rs.Text(QStringLiteral("AffairClassname")) + twoBreaks +
                  QStringLiteral("事务类型：") + rs.Text(QStringLiteral("AffairSubjectname")) + twoBreaks +
                  QStringLiteral("完成日期：") + day.toString(QStringLiteral("yyyy-MM-dd")) + when +
                  twoBreaks;
    Recordset client;
    client.Open(QStringLiteral("select clientid, clientname, GetCompany from client where clientid = ?"),
                Conn, {rs.Int(QStringLiteral("GetClient"))});
    if (!client.Eof()) {
        detail.text += QStringLiteral("联系对象：") + client.Text(QStringLiteral("clientname")) + twoBreaks;
        detail.clientId = static_cast<qint32>(client.Int(QStringLiteral("clientid")));
        detail.companyId = static_cast<qint32>(client.Int(QStringLiteral("GetCompany")));
    }
    detail.text +=
        QStringLiteral("事务备注：") + QStringLiteral("\r\n") + rs.Text(QStringLiteral("RegularRemark"));
    return detail;
}

void SaveAffairProgress(qint32 affairId, bool done, bool closed)
{
    Conn.exec(QStringLiteral("update affair set isover = ?, isclose = ? where affairid = ?"),
              {done, closed, affairId});
}
