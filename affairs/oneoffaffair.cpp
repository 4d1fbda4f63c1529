#include "affairs/oneoffaffair.h"

#include "affairs/affairinput.h"
#include "controls/datefield.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/transaction.h"

QStringList CheckOneOffAffair(const OneOffAffair& affair, const QDate& today)
{
    QStringList errors;
    if (affair.name.isEmpty())
        errors << QStringLiteral("、事务名称不能为空！");
    const QDate day = DateField::readBox(affair.dateText);
    if (!day.isValid())
        errors << UnreadableDateError;
    else if (day < today)
        errors << QStringLiteral("、日期不应早于今天！");
    return errors;
}

qint32 SaveOneOffAffair(const OneOffAffair& affair)
{
    Transaction tx(Conn);
    // GetAffairRegular, isover and isclose keep their defaults: a one-off affair, not done, not closed.
    const qint32 id =
        InsertWithRandomId(QStringLiteral("affair"), QStringLiteral("affairid"), [&](qint32 key) {
            Conn.exec(QStringLiteral("insert into affair (affairid, createuser, Affairname, GetAffairClass, "
                                     "GetAffairSubject, GetClient, AffairDate, RemainDate, RegularRemark) "
                                     "values (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {key, CurUserID, affair.name, affair.wayId, affair.typeId, affair.clientId,
                       DateField::readBox(affair.dateText), qMax(0, DaysValue(affair.leadText)),
                       affair.remark});
        });
    WriteLog(LogAdd, LogOneOffAffair, id);
    tx.commit();
    return id;
}
