// The controls of the company dialog and where they stand (twips).
#include "clients/companyaddform.h"

#include <algorithm>

#include <QLabel>
#include <QPushButton>

#include "clients/contractpanel.h"
#include "clients/formlayout.h"
#include "controls/cityselect.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "platform/twips.h"

namespace {

constexpr int Margin = 120;
constexpr int RowStep = 450;
constexpr int LabelLeft = 120;
constexpr int FieldLeft = 1170;
constexpr int FieldWidth = 5000;
constexpr int NoteHeight = 900;
constexpr int ButtonLeft = 6400;
constexpr int ButtonWidth = 1500;
constexpr int PanelWidth = 6700;
constexpr int PanelHeight = 2400;
constexpr int FormWidth = ButtonLeft + ButtonWidth + Margin;

int rowTop(int row)
{
    return 180 + row * RowStep;
}

struct TextBoxRow
{
    FoxText* CompanyAddForm::*member;
    const char* name;
    const char* label;
    int row;
    int labelLeft;
    int left;
    int width;
};

const TextBoxRow TextBoxes[] = {
    {&CompanyAddForm::Text1, "Text1", "公司全称：", 0, LabelLeft, FieldLeft, FieldWidth},
    {&CompanyAddForm::Text2, "Text2", "公司简称：", 1, LabelLeft, FieldLeft, 1950},
    {&CompanyAddForm::Text3, "Text3", "开户银行：", 1, 3180, 4170, 2000},
    {&CompanyAddForm::Text4, "Text4", "银行账号：", 2, LabelLeft, FieldLeft, FieldWidth},
    {&CompanyAddForm::Text5, "Text5", "地址：", 4, LabelLeft, FieldLeft, 4040},
};

struct NoteRow
{
    FoxTextMu* CompanyAddForm::*member;
    const char* name;
    const char* label;
    int top;
};

const NoteRow Notes[] = {
    {&CompanyAddForm::Text6, "Text6", "公司简介", rowTop(5)},
    {&CompanyAddForm::Text7, "Text7", "  备 注", rowTop(5) + NoteHeight + 120},
};

} // namespace

void CompanyAddForm::buildControls()
{
    for (const TextBoxRow& item : TextBoxes) {
        FoxText* box = NewTextBox(this, QLatin1String(item.name));
        box->moveTwips(item.left, rowTop(item.row), item.width, box->Height());
        AddFieldLabel(this, QString::fromUtf8(item.label), item.labelLeft, rowTop(item.row), item.left);
        this->*item.member = box;
    }
    Text2->setMaxLength(18);

    CitySelect1 = AddRegionSelect(this, Margin, rowTop(3));
    Command3 = new QPushButton(QStringLiteral("插入地区"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setAutoDefault(false);
    Command3->setGeometry(TwipsRect(FieldLeft + 4040 + 60, rowTop(4), 900, 330));

    for (const NoteRow& item : Notes) {
        FoxTextMu* box = NewNoteBox(this, QLatin1String(item.name));
        box->moveTwips(FieldLeft, item.top, FieldWidth, NoteHeight);
        AddFieldLabel(this, QString::fromUtf8(item.label), LabelLeft, item.top, FieldLeft);
        this->*item.member = box;
    }

    const RecordButtons buttons = AddRecordButtons(this, ButtonLeft, Margin + 60, ButtonWidth);
    VsNetBut2 = buttons.save;
    VsNetBut4 = buttons.reset;
    VsNetBut5 = buttons.remove;
    VsNetBut7 = buttons.close;

    const int panelTop = Notes[1].top + NoteHeight + 180;
    Picture1 = new ContractPanel(ContractPanel::Owner::Company, this);
    Picture1->setGeometry(TwipsRect(Margin, panelTop, PanelWidth, PanelHeight));
    setFixedSize(TwipsToPixels(FormWidth), TwipsToPixels(panelTop + PanelHeight + Margin));
}

void CompanyAddForm::fitContactPanel()
{
    const int panelWidth = std::max(PanelWidth, Picture1->NeededWidth());
    Picture1->resize(TwipsToPixels(panelWidth), Picture1->height());
    setFixedSize(TwipsToPixels(std::max(FormWidth, Margin + panelWidth + Margin)), height());
}
