#include "affairs/affairregularadd.h"

#include <tuple>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "affairs/affairformparts.h"
#include "affairs/affairinput.h"
#include "affairs/affairtoday.h"
#include "affairs/clientpickcontrols.h"
#include "affairs/regularaffair.h"
#include "affairs/regularschedule.h"
#include "controls/datefield.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "platform/prompts.h"

using namespace DialogRows;

namespace {

constexpr int FrameRow = 3;
constexpr int FrameHeight = 86;
constexpr int LeadRow = 6;
constexpr int RemarkRow = 7;
constexpr int MinRemarkHeight = 80;
constexpr int KindTop = 52;
const QString MonthDayFormat = QStringLiteral("MM月dd日");
const QString DayFormat = QStringLiteral("yyyy-MM-dd");

} // namespace

AffairRegularAdd::AffairRegularAdd(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AffairRegularAdd"));
    setAttribute(Qt::WA_DeleteOnClose);

    std::tie(VsNetBut2, VsNetBut7) = AddSaveCloseToolbar(this, FormWidth);

    AddLabel(this, QStringLiteral("Label7"), QStringLiteral("事务名称："), label(0));
    FoxText4 = AddTextBox(this, QStringLiteral("FoxText4"), field(0, 0, FullWidth), false);
    AddLabel(this, QStringLiteral("Label3"), QStringLiteral("事务方式："), label(1));
    Combo1 = AddDropDown(this, QStringLiteral("Combo1"), field(1));
    AddLabel(this, QStringLiteral("Label1"), QStringLiteral("事务类型："), label(1, 1));
    Combo2 = AddDropDown(this, QStringLiteral("Combo2"), field(1, 1));
    AddLabel(this, QStringLiteral("Label5"), QStringLiteral("相关对象："), label(2));
    const ClientPickControls client = CreateClientPickControls(this, FieldLeft, top(2), FullWidth - 108);
    FoxText1 = client.name;
    Command1 = client.choose;
    Command2 = client.clear;
    buildScheduleFrame();
    AddLabel(this, QStringLiteral("Label6"), QStringLiteral("提前几日提醒："), label(LeadRow));
    // Any text: its leading number counts, a negative one as 0.
    FoxText2 = AddTextBox(this, QStringLiteral("FoxText2"), field(LeadRow), false, true);
    FoxText2->setText(QStringLiteral("0"));

    FoxDate1 = new FoxDate(this);
    FoxDate1->setObjectName(QStringLiteral("FoxDate1"));
    FoxDate1->move(Frame1->x() + Text3[1]->x(), top(FrameRow));
    FoxDate1->hide();
    // The remark reaches down as far as the calendar opened under a date box of the frame.
    AddLabel(this, QStringLiteral("Label2"), QStringLiteral("事务备注："), label(RemarkRow));
    const int remarkHeight =
        qMax(MinRemarkHeight, CalendarBottom(FoxDate1, top(FrameRow) + KindTop) - top(RemarkRow));
    FoxTextMu1 = AddRemarkBox(this, QRect(FieldLeft, top(RemarkRow), FullWidth, remarkHeight));
    setFixedSize(FormWidth, top(RemarkRow) + remarkHeight + 16);
    m_dates = new DateField(FoxDate1, this);
    m_dates->addField(Text3[0], MonthDayFormat);
    m_dates->addField(Text3[1], DayFormat);

    connect(m_dates, &DateField::unreadable, this, &AffairRegularAdd::Text3_Unreadable);
    connect(m_dates, &DateField::picked, this, &AffairRegularAdd::FoxDate1_Picked);
    connect(Command1, &QPushButton::clicked, this, &AffairRegularAdd::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AffairRegularAdd::Command2_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &AffairRegularAdd::VsNetBut2_Click);
}

void AffairRegularAdd::buildScheduleFrame()
{
    Frame1 = new QGroupBox(QStringLiteral("定期方式"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    const int frameLeft = label(FrameRow).x();
    Frame1->setGeometry(frameLeft, top(FrameRow), FieldLeft + FullWidth - frameLeft, FrameHeight);
    const QStringList kinds{QStringLiteral("循环"), QStringLiteral("每日"), QStringLiteral("每周"),
                            QStringLiteral("每月"), QStringLiteral("每年")};
    for (int i = 0; i < kinds.size(); ++i) {
        auto* option = new QRadioButton(kinds.at(i), Frame1);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setGeometry(12 + i * 76, 22, 70, RowHeight);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
        Option1.push_back(option);
    }
    const auto kindLabel = [this](const QString& name, const QString& caption, int left, int width) {
        auto* label = new QLabel(caption, Frame1);
        label->setObjectName(name);
        label->setGeometry(left, KindTop, width, RowHeight);
        return label;
    };
    Label8 = kindLabel(QStringLiteral("Label8"), QStringLiteral("起始日"), 12, 48);
    Text3.push_back(
        AddTextBox(Frame1, QStringLiteral("Text3_0"), QRect(12, KindTop, 130, RowHeight), false, true));
    // Wide enough for "2011年09月01日" at the largest font size.
    Text3.push_back(
        AddTextBox(Frame1, QStringLiteral("Text3_1"), QRect(64, KindTop, 172, RowHeight), false, true));
    for (FoxText* box : Text3)
        box->setLocked(true);
    FoxText3 = AddTextBox(Frame1, QStringLiteral("FoxText3"), QRect(242, KindTop, 50, RowHeight), true, true);
    FoxText3->setMaxLength(3);
    Label4 = kindLabel(QStringLiteral("Label4"), QStringLiteral("天"), 298, 20);
    Combo3 = AddDropDown(Frame1, QStringLiteral("Combo3"), QRect(12, KindTop, 120, RowHeight));
    Combo3->addItems({QStringLiteral("星期日"), QStringLiteral("星期一"), QStringLiteral("星期二"),
                      QStringLiteral("星期三"), QStringLiteral("星期四"), QStringLiteral("星期五"),
                      QStringLiteral("星期六")});
    Combo4 = AddDropDown(Frame1, QStringLiteral("Combo4"), QRect(12, KindTop, 60, RowHeight));
    Label9 = kindLabel(QStringLiteral("Label9"), QStringLiteral("日"), 78, 20);
    m_kindControls = {{Label8, Text3[1], FoxText3, Label4}, {}, {Combo3}, {Combo4, Label9}, {Text3[0]}};
    for (const auto& controls : m_kindControls) {
        for (QWidget* control : controls)
            control->hide();
    }
}

void AffairRegularAdd::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        Form_Load();
    QDialog::showEvent(event);
}

void AffairRegularAdd::Form_Load()
{
    m_loaded = true;
    ApplySkinToForm(this);
    CurKind = -1;
    Combo3->setCurrentIndex(0);
    for (int day = 1; day <= 31; ++day)
        Combo4->addItem(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
    Combo4->setCurrentIndex(0);
    FillAffairWays(Combo1, false);
    FillAffairTypes(Combo2, false);
    if (AffairRegularId >= 1)
        loadAffair();
    if (AffairRegularId >= 1)
        return;
    AffairRegularId = 0;
    setWindowTitle(QStringLiteral("新增定期事务"));
    FoxText4->setText(QString());
    Text3[0]->setText(AffairToday().toString(MonthDayFormat));
    Text3[1]->setText(AffairToday().toString(DayFormat));
    FoxTextMu1->setText(QString());
    if (ClientId == 0)
        ClearClient(ClientId, FoxText1);
}

void AffairRegularAdd::loadAffair()
{
    const std::optional<RegularAffair> affair = LoadRegularAffair(AffairRegularId, AffairToday());
    if (!affair) {
        AffairRegularId = 0;
        return;
    }
    if (affair->kindChosen)
        Option1[affair->kind]->setChecked(true);
    const QString& s = affair->schedule;
    switch (affair->kind) {
    case EveryNDays:
        Text3[1]->setText(s.left(4) + QStringLiteral("年") + s.mid(4, 2) + QStringLiteral("月") +
                          s.mid(6, 2) + QStringLiteral("日"));
        FoxText3->setText(QString::number(EveryNDaysCycle(s)));
        break;
    case Weekly:
        Combo3->setCurrentIndex(s.toInt() - 1);
        break;
    case Monthly:
        Combo4->setCurrentIndex(s.toInt() - 1);
        break;
    case Yearly:
        Text3[0]->setText(s.left(2) + QStringLiteral("月") + s.mid(2, 2) + QStringLiteral("日"));
        break;
    default:
        break;
    }
    FoxText4->setText(affair->name);
    FoxText2->setText(QString::number(affair->lead));
    ClientId = affair->clientId;
    FoxText1->setText(affair->clientId != 0 ? affair->clientName : QString::fromUtf8(NoClientText));
    FoxTextMu1->setText(affair->remark);
    SelectItemData(Combo1, affair->wayId);
    SelectItemData(Combo2, affair->typeId);
    setWindowTitle(QStringLiteral("修改定期事务--[") + affair->name + QStringLiteral("]"));
}

void AffairRegularAdd::Option1_Click(int Index)
{
    if (Index == CurKind)
        return;
    FoxText2->setText(QStringLiteral("0"));
    if (CurKind >= 0) {
        for (QWidget* control : m_kindControls[CurKind])
            control->hide();
    }
    for (QWidget* control : m_kindControls[Index])
        control->show();
    FoxText2->setEnabled(Index != Daily);
    if (ReadMonthDayBox(Text3[0]->Text()).isEmpty())
        Text3[0]->setText(AffairToday().toString(MonthDayFormat));
    if (!DateField::readBox(Text3[1]->Text()).isValid())
        Text3[1]->setText(AffairToday().toString(DayFormat));
    CurKind = static_cast<qint16>(Index);
}

void AffairRegularAdd::Text3_Unreadable(int Index)
{
    ReportUnreadableDate(Text3[Index]);
}

void AffairRegularAdd::FoxDate1_Picked(int Index)
{
    if (Index == 0 && Text3[0]->Text() == QStringLiteral("02月29日")) {
        MsgBox(QStringLiteral("请不要选择02月29日，系统将改为02月28日。"), MsgButtons::Ok,
               QStringLiteral("日期选择"));
        Text3[0]->setText(QStringLiteral("02月28日"));
    }
}

void AffairRegularAdd::Command1_Click()
{
    ChooseClient(ClientId, FoxText1);
}

void AffairRegularAdd::Command2_Click()
{
    ClearClient(ClientId, FoxText1);
}

void AffairRegularAdd::VsNetBut2_Click()
{
    if (CurKind == -1) {
        MsgBox(QStringLiteral("请选设置一种定期方式"), MsgButtons::Ok, QStringLiteral("保存错误"));
        return;
    }
    const auto trimBox = [](auto* box, const QString& whenEmpty) {
        box->setText(TrimText(box->Text()));
        if (box->Text().isEmpty())
            box->setText(whenEmpty);
    };
    trimBox(FoxText4, QString());
    trimBox(FoxText2, QStringLiteral("0"));
    trimBox(FoxTextMu1, QString());
    if (CurKind == EveryNDays)
        trimBox(FoxText3, QStringLiteral("0"));
    const RegularAffairInput input{FoxText4->Text(),      FoxText2->Text(), CurKind,
                                   FoxText3->Text(),      Text3[1]->Text(), Combo3->currentIndex(),
                                   Combo4->currentText(), Text3[0]->Text()};
    RegularAffair affair;
    affair.id = AffairRegularId;
    affair.name = FoxText4->Text();
    affair.wayId = ItemData(Combo1, Combo1->currentIndex());
    affair.typeId = ItemData(Combo2, Combo2->currentIndex());
    affair.clientId = ClientId;
    affair.remark = FoxTextMu1->Text();
    affair.kind = CurKind;
    const QStringList errors = CheckRegularAffair(input, &affair.schedule, &affair.lead);
    if (!errors.isEmpty()) {
        MsgBox(SaveErrorsMessage(errors));
        return;
    }
    SaveRegularAffair(affair, AffairToday());
    close();
}
