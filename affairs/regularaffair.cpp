#include "affairs/regularaffair.h"

#include "affairs/affairgeneration.h"
#include "affairs/affairinput.h"
#include "affairs/clientname.h"
#include "affairs/regularschedule.h"
#include "controls/datefield.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "core/writelog.h"
#include "platform/transaction.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString buildSchedule(const RegularAffairInput& input, int cycle)
{
    switch (input.kind) {
    case EveryNDays:
        return DateField::readBox(input.startText).toString(QStringLiteral("yyyyMMdd")) +
               QStringLiteral("%1").arg(cycle, 3, 10, QLatin1Char('0'));
    case Weekly:
        return QString::number(input.weekdayIndex + 1);
    case Monthly:
        return input.monthDayText;
    case Yearly:
        return ReadMonthDayBox(input.yearDayText);
    default:
        return QString();
    }
}

QString scheduleText(qint16 kind, const QString& schedule, const QDate& next)
{
    const QString nextLine = LineBreak + QStringLiteral("下次日期：") +
                             (next.isValid() ? next.toString(QStringLiteral("yyyy-MM-dd")) : QString());
    switch (kind) {
    case EveryNDays:
        return QStringLiteral("每隔 ") + QString::number(DaysValue(schedule.mid(8, 3))) +
               QStringLiteral(" 天进行一次！") + nextLine;
    case Daily:
        return QStringLiteral("每日");
    case Weekly: {
        // A stored digit outside 1 to 7 names no weekday.
        const QString weekdays = QStringLiteral("日一二三四五六");
        const int digit = DaysValue(schedule);
        return QStringLiteral("每 星期") +
               (digit >= 1 && digit <= 7 ? weekdays.mid(digit - 1, 1) : QString()) +
               QStringLiteral(" 进行一次！") + nextLine;
    }
    case Monthly:
        return QStringLiteral("每月 ") + QString::number(DaysValue(schedule)) +
               QStringLiteral(" 日进行一次！") + nextLine;
    case Yearly:
        return QStringLiteral("每年 ") + schedule.left(2) + QStringLiteral("月") + schedule.mid(2, 2) +
               QStringLiteral("日") + QStringLiteral(" 进行一次！") + nextLine;
    default:
        return QString();
    }
}

} // namespace

std::optional<RegularAffair> LoadRegularAffair(qint32 id, const QDate& today)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from AffairRegular where AffairRegularid = ?"), Conn, {id});
    if (rs.Eof())
        return std::nullopt;
    RegularAffair affair;
    affair.id = id;
    affair.kind = static_cast<qint16>(rs.Int(QStringLiteral("RegularType")));
    if (rs.Value(QStringLiteral("RegularType")).isNull() || affair.kind < EveryNDays ||
        affair.kind > Yearly) {
        affair.kind = Yearly;
        affair.kindChosen = false;
        rs.SetValue(QStringLiteral("RegularType"), affair.kind);
        rs.Update();
    }
    const QString stored = rs.Text(QStringLiteral("RegularData"));
    affair.schedule = NormalizeRegularData(affair.kind, stored, today);
    if (affair.schedule != stored || rs.Value(QStringLiteral("RegularData")).isNull()) {
        rs.SetValue(QStringLiteral("RegularData"), affair.schedule);
        rs.Update();
    }
    affair.name = rs.Text(QStringLiteral("AffairRegularname"));
    affair.lead = static_cast<qint32>(rs.Int(QStringLiteral("RemainDate")));
    const qint32 client = static_cast<qint32>(rs.Int(QStringLiteral("GetClient")));
    if (client != 0) {
        if (const std::optional<QString> name = ClientNameOf(client)) {
            affair.clientId = client;
            affair.clientName = *name;
        }
    }
    affair.remark = rs.Text(QStringLiteral("RegularRemark"));
    affair.wayId = static_cast<qint32>(rs.Int(QStringLiteral("GetAffairClass")));
    affair.typeId = static_cast<qint32>(rs.Int(QStringLiteral("GetAffairSubject")));
    rs.Close();
    return affair;
}

QStringList CheckRegularAffair(const RegularAffairInput& input, QString* schedule, qint32* lead)
{
    QStringList errors;
    if (input.name.isEmpty())
        errors << QStringLiteral("、事务名称不能为空！");
    const qint32 leadDays = DaysValue(input.leadText);
    int cycle = RegularCycle(input.kind, 0);
    bool testLead = true;
    if (input.kind == EveryNDays) {
        cycle = DaysValue(input.cycleText);
        if (cycle < 2 || cycle > 365) {
            errors << QStringLiteral("、循环方式设定事务，循环周期不能小于 2 天,或大于 365 天！");
            testLead = false;
        }
    }
    if (testLead && leadDays >= cycle && leadDays != 0)
        errors << QStringLiteral("、提前几日提醒，应该小所设的周期，0 表示只到事务当日提醒。");
    if ((input.kind == EveryNDays && !DateField::readBox(input.startText).isValid()) ||
        (input.kind == Yearly && ReadMonthDayBox(input.yearDayText).isEmpty()))
        errors << UnreadableDateError;
    if (errors.isEmpty()) {
        *schedule = buildSchedule(input, cycle);
        *lead = qMax(0, leadDays);
    }
    return errors;
}

qint32 SaveRegularAffair(const RegularAffair& affair, const QDate& today)
{
    Transaction tx(Conn);
    qint32 id = affair.id;
    const bool exists =
        id != 0 &&
        Conn.scalar(QStringLiteral("select 1 from AffairRegular where AffairRegularId = ?"), {id}).isValid();
    if (!exists) {
        id = InsertWithRandomId(
            QStringLiteral("AffairRegular"), QStringLiteral("AffairRegularId"), [&](qint32 key) {
                Conn.exec(
                    QStringLiteral("insert into AffairRegular (AffairRegularId, createDate, createuser) "
                                   "values (?, ?, ?)"),
                    {key, today, CurUserID});
            });
    }
    WriteLog(exists ? LogModify : LogAdd, LogRegularAffair, id);
    Conn.exec(QStringLiteral(
                  "update AffairRegular set LastChangeDate = ?, AffairRegularname = ?, GetAffairClass = ?, "
                  "GetAffairSubject = ?, GetClient = ?, RegularType = ?, RegularData = ?, RemainDate = ?, "
                  "RegularRemark = ? where AffairRegularId = ?"),
              {today, affair.name, affair.wayId, affair.typeId, affair.clientId, affair.kind, affair.schedule,
               qMax(0, affair.lead), affair.remark, id});
    // The key is the saved row's own, never 0: only this affair's coming days are replaced.
    Conn.exec(QStringLiteral("delete from affair where AffairDate >= ? and GetAffairRegular = ?"),
              {today, id});
    AffairGenerator(today).makeRegularAffairs(today, id, true);
    tx.commit();
    return id;
}

void DeleteRegularAffair(qint32 id, const QDate& today)
{
    if (id == 0)
        return;
    Transaction tx(Conn);
    Conn.exec(QStringLiteral(
                  "update affair set GetAffairRegular = 0 where AffairDate < ? and GetAffairRegular = ?"),
              {today, id});
    Conn.exec(QStringLiteral("delete from affair where AffairDate >= ? and GetAffairRegular = ?"),
              {today, id});
    Conn.exec(QStringLiteral("delete from AffairRegular where AffairRegularid = ?"), {id});
    tx.commit();
}

QString RegularAffairDescription(qint32 id, const QDate& today)
{
    Recordset rs;
    rs.Open(
        QStringLiteral(
            "select AffairClassname, AffairSubjectname, RegularType, RegularData, RemainDate, GetClient, "
            "RegularRemark from AffairRegular, AffairClass, AffairSubject where "
            "AffairSubjectid = getAffairSubject and AffairClassid = getAffairClass and AffairRegularID = ?"),
        Conn, {id});
    if (rs.Eof())
        return QString();
    const qint16 kind = static_cast<qint16>(rs.Int(QStringLiteral("RegularType")));
    const QDate next = kind == Daily ? QDate() : AffairGenerator(today).makeRegularAffairs(today, id, false);
    const QString twoBreaks = LineBreak + LineBreak;
    QString text = QStringLiteral("事务方式：") + rs.Text(QStringLiteral("AffairClassname")) + twoBreaks +
                   QStringLiteral("事务类型：") + rs.Text(QStringLiteral("AffairSubjectname")) + twoBreaks +
                   QStringLiteral("定期方式：") +
                   scheduleText(kind, rs.Text(QStringLiteral("RegularData")), next);
    const qint64 lead = rs.Int(QStringLiteral("RemainDate"));
    if (lead > 0)
        text += LineBreak + QStringLiteral("           提前 ") + QString::number(lead) +
                QStringLiteral("日 进行提醒。");
    text += twoBreaks;
    if (const std::optional<QString> client =
            ClientNameOf(static_cast<qint32>(rs.Int(QStringLiteral("GetClient")))))
        text += QStringLiteral("联系对象：") + *client + twoBreaks;
    const QString remark = rs.Text(QStringLiteral("RegularRemark"));
    if (!remark.isEmpty())
        text += QStringLiteral("事务备注：") + remark + twoBreaks;
    return text;
}
