#include "affairs/regularschedule.h"

namespace {

bool isDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The value of a digit string, or -1 when it does not fit.
qint64 digitValue(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? value : -1;
}

bool validSchedule(qint16 kind, const QString& text)
{
    if (kind == Daily)
        return text.isEmpty();
    if (!isDigits(text))
        return false;
    switch (kind) {
    case EveryNDays:
        return text.size() == 11 && EveryNDaysStart(text).isValid();
    case Weekly: {
        const qint64 value = digitValue(text);
        return value >= 1 && value <= 7;
    }
    case Monthly: {
        const qint64 value = digitValue(text);
        return value >= 1 && value <= 31;
    }
    case Yearly:
        // 2000 is a leap year, so 29 February passes the date test and is refused by name.
        return text.size() == 4 && QDate(2000, text.left(2).toInt(), text.mid(2).toInt()).isValid() &&
               text != QLatin1String("0229");
    default:
        return true;
    }
}

QDate firstMonthDayFrom(int dayOfMonth, const QDate& fromDate)
{
    // A month that has the day (29 to 31 at worst) is never more than two months away.
    QDate month(fromDate.year(), fromDate.month(), 1);
    for (int step = 0; step < 3; ++step, month = month.addMonths(1)) {
        const QDate day(month.year(), month.month(), dayOfMonth);
        if (day.isValid() && day >= fromDate)
            return day;
    }
    return QDate();
}

} // namespace

QString NormalizeRegularData(qint16 RegularType, const QString& RegularData, const QDate& today)
{
    if (validSchedule(RegularType, RegularData))
        return RegularData;
    switch (RegularType) {
    case EveryNDays:
        return today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("005");
    case Daily:
        return QString();
    case Weekly:
        return QStringLiteral("1");
    case Monthly:
        return QStringLiteral("01");
    case Yearly:
        return QStringLiteral("0101");
    default:
        return QString();
    }
}

QDate EveryNDaysStart(const QString& RegularData)
{
    return QDate(RegularData.left(4).toInt(), RegularData.mid(4, 2).toInt(), RegularData.mid(6, 2).toInt());
}

int EveryNDaysCycle(const QString& RegularData)
{
    return RegularData.mid(8, 3).toInt();
}

int WeekdayDigit(const QDate& day)
{
    return day.dayOfWeek() % 7 + 1;
}

int RegularCycle(qint16 RegularType, int everyNDays)
{
    switch (RegularType) {
    case EveryNDays:
        return everyNDays;
    case Weekly:
        return 7;
    case Monthly:
        return 31;
    case Yearly:
        return 365;
    default:
        return 0;
    }
}

RegularSchedule::RegularSchedule(qint16 RegularType, const QString& RegularData) : m_kind(RegularType)
{
    if (RegularType < EveryNDays || RegularType > Yearly || !validSchedule(RegularType, RegularData))
        return;
    switch (RegularType) {
    case EveryNDays:
        m_start = EveryNDaysStart(RegularData);
        m_number = EveryNDaysCycle(RegularData);
        m_valid = m_number >= 1;
        return;
    case Weekly:
    case Monthly:
        m_number = RegularData.toInt();
        break;
    case Yearly:
        m_month = RegularData.left(2).toInt();
        m_day = RegularData.mid(2).toInt();
        break;
    default:
        break;
    }
    m_valid = true;
}

QDate RegularSchedule::nextDueDay(const QDate& fromDate, const QDate& today) const
{
    if (!m_valid)
        return QDate();
    switch (m_kind) {
    case EveryNDays: {
        if (fromDate <= m_start)
            return m_start;
        const qint64 cycles = (m_start.daysTo(fromDate) + m_number - 1) / m_number;
        return m_start.addDays(cycles * m_number);
    }
    case Daily:
        return fromDate;
    case Weekly:
        return fromDate.addDays((m_number - WeekdayDigit(fromDate) + 7) % 7);
    case Monthly:
        return firstMonthDayFrom(m_number, fromDate);
    default: {
        const QDate thisYear(today.year(), m_month, m_day);
        return thisYear < fromDate ? QDate(today.year() + 1, m_month, m_day) : thisYear;
    }
    }
}

QDate NextDueDay(qint16 RegularType, const QString& RegularData, const QDate& fromDate, const QDate& today)
{
    return RegularSchedule(RegularType, RegularData).nextDueDay(fromDate, today);
}
