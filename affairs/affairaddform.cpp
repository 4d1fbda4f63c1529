#include "affairs/affairaddform.h"

#include <tuple>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "affairs/affairformparts.h"
#include "affairs/affairinput.h"
#include "affairs/affairtoday.h"
#include "affairs/clientpickcontrols.h"
#include "affairs/oneoffaffair.h"
#include "controls/datefield.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "platform/prompts.h"
#include "platform/twips.h"

using namespace DialogRows;

namespace {

constexpr int MinRemarkHeight = 110;

} // namespace

AffairAddForm::AffairAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AffairAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);

    std::tie(VsNetBut2, VsNetBut7) = AddSaveCloseToolbar(this, FormWidth);

    AddLabel(this, QStringLiteral("Label7"), QStringLiteral("事务名称："), label(0));
    FoxText4 = AddTextBox(this, QStringLiteral("FoxText4"), field(0, 0, FullWidth), false);
    AddLabel(this, QStringLiteral("Label8"), QStringLiteral("事务日期："), label(1));
    Text3 = AddTextBox(this, QStringLiteral("Text3"), field(1), false, true);
    Text3->setLocked(true);
    AddLabel(this, QStringLiteral("Label6"), QStringLiteral("提前几日提醒："), label(1, 1));
    // Any text: its leading number counts, a negative one as 0.
    FoxText2 = AddTextBox(this, QStringLiteral("FoxText2"), field(1, 1), false, true);
    FoxText2->setText(QStringLiteral("0"));
    AddLabel(this, QStringLiteral("Label3"), QStringLiteral("事务方式："), label(2));
    Combo1 = AddDropDown(this, QStringLiteral("Combo1"), field(2));
    AddLabel(this, QStringLiteral("Label1"), QStringLiteral("事务类型："), label(2, 1));
    Combo2 = AddDropDown(this, QStringLiteral("Combo2"), field(2, 1));
    AddLabel(this, QStringLiteral("Label5"), QStringLiteral("相关对象："), label(3));
    const ClientPickControls client = CreateClientPickControls(this, FieldLeft, top(3), FullWidth - 108);
    FoxText1 = client.name;
    Command1 = client.choose;
    Command2 = client.clear;
    FoxDate1 = new FoxDate(this);
    FoxDate1->setObjectName(QStringLiteral("FoxDate1"));
    FoxDate1->move(FieldLeft, top(2));
    FoxDate1->hide();
    // The remark reaches down as far as the calendar opened under the date box, which so fits.
    AddLabel(this, QStringLiteral("Label2"), QStringLiteral("事务备注："), label(4));
    const int remarkHeight = qMax(MinRemarkHeight, CalendarBottom(FoxDate1, top(1)) - top(4));
    FoxTextMu1 = AddRemarkBox(this, QRect(FieldLeft, top(4), FullWidth, remarkHeight));
    setFixedSize(FormWidth, top(4) + remarkHeight + 16);
    m_dates = new DateField(FoxDate1, this);
    m_dates->addField(Text3);

    connect(m_dates, &DateField::unreadable, this, &AffairAddForm::Text3_Unreadable);
    connect(Command1, &QPushButton::clicked, this, &AffairAddForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AffairAddForm::Command2_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &AffairAddForm::VsNetBut2_Click);
}

void AffairAddForm::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        Form_Load();
    QDialog::showEvent(event);
}

void AffairAddForm::Form_Load()
{
    m_loaded = true;
    ApplySkinToForm(this);
    FillAffairWays(Combo1, false);
    FillAffairTypes(Combo2, false);
    setWindowTitle(QStringLiteral("新增临时事务"));
    FoxText4->setText(QString());
    FoxTextMu1->setText(QString());
    Text3->setText(AffairToday().toString(QStringLiteral("yyyy-MM-dd")));
}

void AffairAddForm::Text3_Unreadable()
{
    ReportUnreadableDate(Text3);
}

void AffairAddForm::Command1_Click()
{
    ChooseClient(ClientId, FoxText1);
}

void AffairAddForm::Command2_Click()
{
    ClearClient(ClientId, FoxText1);
}

void AffairAddForm::VsNetBut2_Click()
{
    FoxText4->setText(TrimText(FoxText4->Text()));
    FoxText2->setText(TrimText(FoxText2->Text()));
    if (FoxText2->Text().isEmpty())
        FoxText2->setText(QStringLiteral("0"));
    FoxTextMu1->setText(TrimText(FoxTextMu1->Text()));
    const OneOffAffair affair{FoxText4->Text(),
                              Text3->Text(),
                              FoxText2->Text(),
                              ItemData(Combo1, Combo1->currentIndex()),
                              ItemData(Combo2, Combo2->currentIndex()),
                              ClientId,
                              FoxTextMu1->Text()};
    const QStringList errors = CheckOneOffAffair(affair, AffairToday());
    if (!errors.isEmpty()) {
        MsgBox(SaveErrorsMessage(errors));
        return;
    }
    SaveOneOffAffair(affair);
    close();
}
