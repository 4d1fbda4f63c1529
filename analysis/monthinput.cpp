#include "analysis/monthinput.h"

#include <QLabel>

#include "analysis/analysisvalues.h"
#include "controls/datefield.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace {

constexpr int LabelWidth = 70;
constexpr int TextWidth = 100;
constexpr int StepWidth = 70;
constexpr int StepHeight = 26;

} // namespace

MonthInput::MonthInput(QWidget* window, const QString& caption) : QObject(window)
{
    Label8 = new QLabel(caption, window);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text3 = NewTextBox(window, QStringLiteral("Text3"));
    Text3->setAlignment(2);
    FoxDate1 = new FoxDate(window);
    FoxDate1->setObjectName(QStringLiteral("FoxDate1"));
    FoxDate1->hide();
    const QStringList captions = {QStringLiteral("上一月"), QStringLiteral("下一月")};
    for (int i = 0; i < 2; ++i) {
        auto* button = new VsNetBut(window);
        button->setObjectName(QStringLiteral("NextMonth_%1").arg(i));
        button->setCaption(captions.at(i));
        button->setCaptionAreaPercent(100);
        connect(button, &VsNetBut::Click, this, [this, i] { NextMonth_Click(i); });
        NextMonth.append(button);
    }
    m_dateField = new DateField(FoxDate1, this);
    m_dateField->addField(Text3, QStringLiteral("yyyy-MM"));
    connect(m_dateField, &DateField::unreadable, this, &MonthInput::Text3_Unreadable);
    connect(m_dateField, &DateField::picked, this, &MonthInput::FoxDate1_Click);
}

void MonthInput::start()
{
    Text3->setText(MonthText(QDate::currentDate()));
}

QDate MonthInput::firstDay()
{
    const QDate day = MonthStart(Text3->Text());
    if (!day.isValid())
        MsgBox(UnreadableDateText);
    return day;
}

QRect MonthInput::placeField(int left, int top)
{
    const int height = TwipsToPixels(Text3->Height());
    Label8->setGeometry(left, top, LabelWidth, height);
    const int textLeft = left + LabelWidth + 4;
    Text3->moveTwips(textLeft * TwipsPerPixel, top * TwipsPerPixel, TextWidth * TwipsPerPixel,
                     Text3->Height());
    FoxDate1->move(textLeft, top + height);
    FoxDate1->raise();
    return QRect(left, top, textLeft + TextWidth - left, height);
}

QRect MonthInput::placeSteps(int left, int top)
{
    NextMonth[0]->setGeometry(left, top, StepWidth, StepHeight);
    NextMonth[1]->setGeometry(left + StepWidth + 4, top, StepWidth, StepHeight);
    return NextMonth[0]->geometry().united(NextMonth[1]->geometry());
}

void MonthInput::NextMonth_Click(int Index)
{
    const QDate day = firstDay();
    if (!day.isValid())
        return;
    Text3->setText(SteppedMonth(day, Index));
    Q_EMIT rerun();
}

void MonthInput::Text3_Unreadable()
{
    ReportUnreadableDate(Text3);
}

void MonthInput::FoxDate1_Click()
{
    Q_EMIT rerun();
}
