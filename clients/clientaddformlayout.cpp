// The controls of the client dialog and where they stand (twips).
#include "clients/clientaddform.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "clients/classtable.h"
#include "clients/contractpanel.h"
#include "clients/formlayout.h"
#include "controls/dropdownfit.h"
#include "controls/cityselect.h"
#include "controls/datefield.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/twips.h"

namespace {

constexpr int Margin = 120;
constexpr int RowStep = 450;
constexpr int LeftLabel = 120;
constexpr int LeftField = 1020;
constexpr int RightLabel = 3600;
constexpr int RightField = 4650;
// Wide enough for an 18-digit identity number at the largest font size.
constexpr int IdWidth = 3420;
constexpr int IdButtonLeft = RightField + IdWidth + 60;
constexpr int ButtonLeft = 8860;
constexpr int ButtonWidth = 1560;
constexpr int FormWidth = 10660;
constexpr int RemarkHeight = 900;
constexpr int FrameWidth = 3600;
constexpr int PanelLeft = 3840;
constexpr int PanelWidth = 6700;
constexpr int ClassLabelLeft = 120;
constexpr int ClassComboLeft = 1200;
constexpr int ClassComboWidth = 2280;

int rowTop(int row)
{
    return 180 + row * RowStep;
}

// A text box with its label: field left and width, digits only or any text, centred or not.
struct TextBoxRow
{
    FoxText* ClientAddForm::*member;
    const char* name;
    const char* label;
    int row;
    int left;
    int width;
    bool onlyNumber;
    bool centred;
};

const TextBoxRow TextBoxes[] = {
    {&ClientAddForm::Text1, "Text1", "姓名：", 0, LeftField, 2400, false, false},
    {&ClientAddForm::Text2, "Text2", "身份证号：", 0, RightField, IdWidth, true, false},
    {&ClientAddForm::Text3, "Text3", "出生日期：", 1, RightField, IdWidth, false, true},
    {&ClientAddForm::Text4, "Text4", "公司：", 2, LeftField, 1840, false, false},
    {&ClientAddForm::Text7, "Text7", "区号：", 2, RightField, 1200, true, true},
    {&ClientAddForm::Text8, "Text8", "月薪：", 3, LeftField, 1200, true, true},
    {&ClientAddForm::Text5, "Text5", "地址：", 5, LeftField, 5150, false, false},
};

struct CommandRow
{
    QPushButton* ClientAddForm::*member;
    const char* name;
    const char* caption;
    int row;
    int left;
    int width;
};

const CommandRow Commands[] = {
    {&ClientAddForm::Command4, "Command4", "分解", 0, IdButtonLeft, 600},
    {&ClientAddForm::Command1, "Command1", "选择", 2, 2920, 560},
    {&ClientAddForm::Command3, "Command3", "插入地区", 5, 6210, 900},
};

} // namespace

void ClientAddForm::buildControls()
{
    for (const TextBoxRow& item : TextBoxes) {
        FoxText* box = NewTextBox(this, QLatin1String(item.name), item.onlyNumber);
        box->setAlignment(item.centred ? 2 : 0);
        box->moveTwips(item.left, rowTop(item.row), item.width, box->Height());
        AddFieldLabel(this, QString::fromUtf8(item.label), item.left == LeftField ? LeftLabel : RightLabel,
                      rowTop(item.row), item.left);
        this->*item.member = box;
    }
    Text2->setOtherChar(QStringLiteral("xX"));
    Text2->setMaxLength(18);
    Text3->setLocked(true);

    AddFieldLabel(this, QStringLiteral("性别："), LeftLabel, rowTop(1), LeftField);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems({QStringLiteral("男"), QStringLiteral("女")});
    Combo1->setGeometry(TwipsRect(LeftField, rowTop(1), 1200, 330));
    Check1 = new QCheckBox(QStringLiteral("准"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(TwipsRect(IdButtonLeft, rowTop(1), 600, 330));

    for (const CommandRow& item : Commands) {
        auto* button = new QPushButton(QString::fromUtf8(item.caption), this);
        button->setObjectName(QLatin1String(item.name));
        button->setAutoDefault(false);
        button->setGeometry(TwipsRect(item.left, rowTop(item.row), item.width, 330));
        this->*item.member = button;
    }

    CitySelect1 = AddRegionSelect(this, Margin, rowTop(4));

    AddFieldLabel(this, QStringLiteral("备注："), LeftLabel, rowTop(6), LeftField);
    Text6 = NewNoteBox(this, QStringLiteral("Text6"));
    Text6->moveTwips(LeftField, rowTop(6), 6090, RemarkHeight);

    const RecordButtons buttons = AddRecordButtons(this, ButtonLeft, Margin + 60, ButtonWidth);
    VsNetBut2 = buttons.save;
    VsNetBut4 = buttons.reset;
    VsNetBut5 = buttons.remove;
    VsNetBut7 = buttons.close;

    ClassFrame = new QGroupBox(QStringLiteral("客户分类"), this);
    ClassFrame->setObjectName(QStringLiteral("ClassFrame"));
    Check2 = new QCheckBox(QStringLiteral("批量新增"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Picture1 = new ContractPanel(ContractPanel::Owner::Client, this);

    // The drop-down calendar of the birthday, hidden until a click in the field.
    FoxDate1 = new FoxDate(this);
    FoxDate1->setObjectName(QStringLiteral("FoxDate1"));
    FoxDate1->move(TwipsToPixels(RightField), 0);
    FoxDate1->hide();
    m_dateField = new DateField(FoxDate1, this);
    m_dateField->addField(Text3);
}

void ClientAddForm::buildClassRows()
{
    // One label and one list per classification; the first pair stands for the designed one.
    for (qsizetype i = 0; i < SixClassTables.size(); ++i) {
        auto* combo = new QComboBox(ClassFrame);
        combo->setObjectName(QStringLiteral("ClassCombo_%1").arg(i));
        auto* text = new QLabel(ClassFrame);
        text->setObjectName(QStringLiteral("ClassLabel_%1").arg(i));
        ClassCombo.push_back(combo);
        ClassLabel.push_back(text);
        text->setText(SixClassNames.value(i) + QStringLiteral("："));

        const ClassTable table(SixClassTables.at(i));
        FillCombo(combo, table.orderedSelect(), table.nameColumn(), table.idColumn(),
                  SixClassNames.value(i) + QStringLiteral(" 未定义"), 0, true);
        // Built while the window is being shown: each must be shown itself.
        combo->show();
        text->show();
    }
}

void ClientAddForm::arrangeLowerBand()
{
    // Drop-down lists are as high as the font the skin gave them needs, and the classification
    // lists as wide as their entries need; the frame, the contact panel and the dialog widen with
    // them.
    FitHeightToFont(Combo1);
    int frameHeight = 420;
    int comboWidth = ClassComboWidth;
    for (QComboBox* combo : ClassCombo)
        comboWidth = std::max(comboWidth, WidthForEntries(combo) * TwipsPerPixel);
    if (!ClassCombo.empty()) {
        const int h = ClassCombo.front()->sizeHint().height() * TwipsPerPixel;
        for (size_t i = 0; i < ClassCombo.size(); ++i) {
            const int top = 300 + int(i) * (h + 60);
            ClassCombo[i]->setGeometry(TwipsRect(ClassComboLeft, top, comboWidth, h));
            ClassLabel[i]->setGeometry(
                TwipsRect(ClassLabelLeft, top + 60, ClassComboLeft - ClassLabelLeft, 300));
        }
        frameHeight = 300 + int(ClassCombo.size()) * (h + 60) - 60 + 120;
    }
    const int frameWidth = std::max(FrameWidth, ClassComboLeft + comboWidth + 120);
    const int bandTop = rowTop(6) + RemarkHeight + 180;
    ClassFrame->setGeometry(TwipsRect(Margin, bandTop, frameWidth, frameHeight));
    Check2->setGeometry(TwipsRect(Margin, bandTop + frameHeight + 60, 1500, 330));
    const int checkBottom = (Check2->y() + Check2->height()) * TwipsPerPixel;
    const int panelLeft = PanelLeft + frameWidth - FrameWidth;
    const int panelWidth = std::max(PanelWidth, Picture1->NeededWidth());
    Picture1->setGeometry(TwipsRect(panelLeft, bandTop, panelWidth, checkBottom - bandTop));
    const int formWidth = std::max(FormWidth, panelLeft + panelWidth + Margin);
    setFixedSize(TwipsToPixels(formWidth), Picture1->y() + Picture1->height() + TwipsToPixels(Margin));
}
