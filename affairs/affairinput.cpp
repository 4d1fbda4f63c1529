#include "affairs/affairinput.h"

#include <limits>

#include "controls/datefield.h"
#include "core/inifile.h"

QString SaveErrorsMessage(const QStringList& errors)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString text = QStringLiteral("部分数据发生错误：") + lineBreak + lineBreak;
    for (int i = 0; i < errors.size(); ++i)
        text += QString::number(i + 1) + errors.at(i) + lineBreak;
    return text + lineBreak + QStringLiteral("请修改后再进行保存。");
}

qint32 DaysValue(const QString& text)
{
    const double value = LeadingNumber(text);
    qint32 days = 0;
    if (RoundToInt32(value, &days))
        return days;
    return value < 0 ? std::numeric_limits<qint32>::min() : std::numeric_limits<qint32>::max();
}

QString ReadMonthDayBox(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QString();
    // Read in a leap year, so that 29 February is a day and can be moved to the 28th.
    const QDate day = DateField::readDate(text, QDate(2000, 1, 1));
    if (!day.isValid())
        return QString();
    if (day.month() == 2 && day.day() == 29)
        return QStringLiteral("0228");
    return day.toString(QStringLiteral("MMdd"));
}
