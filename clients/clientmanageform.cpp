#include "clients/clientmanageform.h"

#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "clients/affairwindows.h"
#include "clients/clientaddform.h"
#include "clients/clienttotext.h"
#include "clients/formlayout.h"
#include "clients/listsearch.h"
#include "clients/listwindow.h"
#include "controls/dropdownfit.h"
#include "controls/foxtext.h"
#include "controls/listgrid.h"
#include "controls/ownerfilter.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/formplacement.h"
#include "core/formsizelimits.h"
#include "core/globalform.h"
#include "core/printgrid.h"
#include "core/session.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace {

// Filter layout in twips: three boxes to a row, each at least ComboWidth wide.
constexpr int LabelWidth = 1080;
constexpr int ComboWidth = 2040;
constexpr int ColumnGap = 120;
constexpr int SecondRowStep = 420;
constexpr int FrameLeft = 120;
constexpr int FrameTop = 900;
constexpr int FrameWidth = 10680;
// The window's least size; the frame and the grid keep 360 twips of it beside them.
constexpr int MinWidth = 11010;
constexpr int MinHeight = 8315;
constexpr int SideRoom = MinWidth - FrameWidth;

} // namespace

ClientManageForm::ClientManageForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ClientManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("客户管理"));
    buildToolbar();
    buildFilters();
    Grid1 = new Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    connect(Grid1, &Grid::DblClick, this, &ClientManageForm::Grid1_DblClick);
    connect(Grid1, &Grid::BeforeUserSort, this, &ClientManageForm::Grid1_BeforeUserSort);

    // Load.
    SuspendSearch = true;
    ApplySkinToForm(this);
    // The boxes belong to the classifications as they are now; a later change of the
    // classifications reaches the list when it is opened again.
    m_classTables = SixClassTables;
    for (int i = 0; i < m_classTables.size(); ++i) {
        const QString& table = m_classTables.at(i);
        QComboBox* combo = ClassCombo.at(i);
        combo->clear();
        combo->addItem(SixClassNames.value(i) + QStringLiteral(" 未选择"), 0);
        OpenRecordset(1,
                      QStringLiteral("select * from %1 order by %2, rowid")
                          .arg(QuoteIdentifier(table), QuoteIdentifier(table + QStringLiteral("getorder"))));
        for (; !Rs1.Eof(); Rs1.MoveNext())
            combo->addItem(Rs1.Text(table + QStringLiteral("name")), Rs1.Int(table + QStringLiteral("id")));
        CloseRecordset(1);
        combo->setCurrentIndex(0);
        ClassLabel.at(i)->setText(SixClassNames.value(i) + QStringLiteral("："));
        combo->setVisible(true);
        ClassLabel.at(i)->setVisible(true);
    }
    FillOwnerFilter(SelUserCombo, SelUserLabel);
    // The filters are placed once their entries are known: the boxes are as wide as those need.
    SetFormSizeLimits(this, std::max(MinWidth, arrangeFilters() + SideRoom), MinHeight, 0, 0);
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("客户ID"), 0},
                      {QStringLiteral("姓 名"), 80},
                      {QStringLiteral("性别"), 40},
                      {QStringLiteral("生 日"), 120},
                      {QStringLiteral("手 机"), 80},
                      {QStringLiteral("Email"), 160},
                      {QStringLiteral("QQ"), 80},
                      {QStringLiteral("用 户"), CanSeeAllUser ? 80 : 0}});
    // Where the user's font needs it, the columns grow to show a four-character name, a day, a
    // mobile or telephone number, a mail address of twenty-one characters and a 10-digit QQ number
    // whole, and every header.
    FitColumn(Grid1, 2, {LongPersonName});
    FitColumn(Grid1, 3, {QStringLiteral("男")});
    FitColumn(Grid1, 4, {QStringLiteral("2000-12-28")});
    FitColumn(Grid1, 5, {QStringLiteral("13800000000"), QStringLiteral("0592-12345678")});
    FitColumn(Grid1, 6, {QStringLiteral("wangxiaoming@sina.com")});
    FitColumn(Grid1, 7, {QStringLiteral("1234567890")});
    Grid1->setAllowUserSort(true);
    Search();
    SuspendSearch = false;
}

void ClientManageForm::buildToolbar()
{
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 0, TwipsToPixels(11010), TwipsToPixels(855));
    const auto button = [this](const QString& name, const QString& caption, int left,
                               void (ClientManageForm::*handler)()) {
        VsNetBut* b = AddToolButton(Picture1, name, caption, left);
        connect(b, &VsNetBut::Click, this, handler);
        return b;
    };
    VsNetBut2 = button(QStringLiteral("VsNetBut2"), QStringLiteral("新增客户"), 180,
                       &ClientManageForm::VsNetBut2_Click);
    VsNetBut3 = button(QStringLiteral("VsNetBut3"), QStringLiteral("修改客户"), 1080,
                       &ClientManageForm::VsNetBut3_Click);
    VsNetBut4 = button(QStringLiteral("VsNetBut4"), QStringLiteral("详细资料"), 1980,
                       &ClientManageForm::VsNetBut4_Click);
    VsNetBut5 = button(QStringLiteral("VsNetBut5"), QStringLiteral("导出全部"), 2880,
                       &ClientManageForm::VsNetBut5_Click);
    VsNetBut6 = button(QStringLiteral("VsNetBut6"), QStringLiteral("常规事务"), 3900,
                       &ClientManageForm::VsNetBut6_Click);
    VsNetBut7 = button(QStringLiteral("VsNetBut7"), QStringLiteral("临时事务"), 4800,
                       &ClientManageForm::VsNetBut7_Click);
    VsNetBut8 = button(QStringLiteral("VsNetBut8"), QStringLiteral("事务汇总"), 5700,
                       &ClientManageForm::VsNetBut8_Click);
    VsNetBut10 = button(QStringLiteral("VsNetBut10"), QStringLiteral("打印客户"), 6720,
                        &ClientManageForm::VsNetBut10_Click);
    VsNetBut9 = button(QStringLiteral("VsNetBut9"), QStringLiteral("退 出"), 7740,
                       &ClientManageForm::VsNetBut9_Click);
    int i = 0;
    for (int left : {3780, 6600, 7620, 8640})
        VsNetBut1.push_back(
            AddToolButton(Picture1, QStringLiteral("VsNetBut1_%1").arg(i++), QString(), left));
}

void ClientManageForm::buildFilters()
{
    ClassFrame = new QGroupBox(QStringLiteral("查询"), this);
    ClassFrame->setObjectName(QStringLiteral("ClassFrame"));
    // One box and label per classification the session knows, three to a row.
    for (int i = 0; i < SixClassTables.size(); ++i) {
        auto* combo = new QComboBox(ClassFrame);
        combo->setObjectName(QStringLiteral("ClassCombo_%1").arg(i));
        auto* label = new QLabel(ClassFrame);
        label->setObjectName(QStringLiteral("ClassLabel_%1").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        connect(combo, &QComboBox::currentIndexChanged, this, [this] {
            if (!SuspendSearch)
                Search();
        });
        ClassCombo.push_back(combo);
        ClassLabel.push_back(label);
    }
    SelUserLabel = new QLabel(QStringLiteral("选择用户："), ClassFrame);
    SelUserLabel->setObjectName(QStringLiteral("SelUserLabel"));
    SelUserLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SelUserCombo = new QComboBox(ClassFrame);
    SelUserCombo->setObjectName(QStringLiteral("SelUserCombo"));
    connect(SelUserCombo, &QComboBox::currentIndexChanged, this, [this] {
        if (!SuspendSearch)
            Search();
    });
    Label1 = new QLabel(QStringLiteral("输入客户名查询，支持拼音及模糊查询："), ClassFrame);
    Label1->setObjectName(QStringLiteral("Label1"));
    FoxText1 = NewTextBox(ClassFrame, QStringLiteral("FoxText1"));
    connect(FoxText1, &FoxText::Change, this, &ClientManageForm::Search);
    Command4 = new QPushButton(QStringLiteral("全部"), ClassFrame);
    Command4->setObjectName(QStringLiteral("Command4"));
    connect(Command4, &QPushButton::clicked, this, &ClientManageForm::Command4_Click);
}

int ClientManageForm::arrangeFilters()
{
    // The boxes are as high as the font the skin gave them needs (300 twips at the smallest size);
    // the second row keeps its distance from the first unless the boxes are higher than that. They
    // are as wide as their widest entry needs, and the columns move apart to make room.
    const int h = SelUserCombo->sizeHint().height() * TwipsPerPixel;
    int comboWidth = ComboWidth;
    for (QComboBox* combo : ClassCombo)
        comboWidth = std::max(comboWidth, WidthForEntries(combo) * TwipsPerPixel);
    comboWidth = std::max(comboWidth, WidthForEntries(SelUserCombo) * TwipsPerPixel);
    const int step = LabelWidth + comboWidth + ColumnGap;
    const int rowTops[2] = {h, h + std::max(SecondRowStep, h + 60)};
    for (int i = 0; i < int(ClassCombo.size()); ++i) {
        const int left = (i % 3) * step;
        const int top = rowTops[i < 3 ? 0 : 1];
        ClassCombo[size_t(i)]->setGeometry(TwipsRect(1200 + left, top, comboWidth, h));
        ClassLabel[size_t(i)]->setGeometry(TwipsRect(120 + left, top + 60, LabelWidth, 300));
    }
    // The search row: the owner filter in the first column, the search text from the second on.
    const int searchTop = rowTops[1] + h + 120;
    SelUserLabel->setGeometry(TwipsRect(120, searchTop + 60, LabelWidth, 300));
    SelUserCombo->setGeometry(TwipsRect(1200, searchTop, comboWidth, h));
    const int label1Left = 120 + step;
    Label1->setGeometry(TwipsRect(label1Left, searchTop + 60, 3840, 300));
    FoxText1->moveTwips(label1Left + 3900, searchTop, 1800, FoxText1->Height());
    const int command4Left = label1Left + 3900 + 1920;
    Command4->setGeometry(TwipsRect(command4Left, searchTop, 700, std::max(h, 330)));
    const int frameHeight = searchTop + std::max(h, FoxText1->Height()) + 150;
    const int frameWidth = std::max({FrameWidth, 3 * step + 120, command4Left + 700 + 120});
    ClassFrame->setGeometry(TwipsRect(FrameLeft, FrameTop, frameWidth, frameHeight));
    Grid1->move(TwipsToPixels(FrameLeft), TwipsToPixels(FrameTop + frameHeight + 60));
    return frameWidth;
}

void ClientManageForm::Search()
{
    const QString text = TrimText(FoxText1->Text());
    if (text != FoxText1->Text()) {
        // Writing the trimmed text back changes the box, which searches.
        FoxText1->setText(text);
        return;
    }
    ClientListFilter filter;
    filter.classTables = m_classTables;
    for (size_t i = 0; i < ClassCombo.size() && int(i) < m_classTables.size(); ++i) {
        const int index = ClassCombo[i]->currentIndex();
        filter.classValues << (index >= 1 ? ItemData(ClassCombo[i], index) : 0);
    }
    filter.owner = ChosenOwner(SelUserCombo);
    filter.text = text;
    SearchClients(Grid1, filter);
}

void ClientManageForm::Command4_Click()
{
    SuspendSearch = true;
    for (QComboBox* combo : ClassCombo)
        combo->setCurrentIndex(0);
    SelUserCombo->setCurrentIndex(0);
    SuspendSearch = false;
    if (!FoxText1->Text().isEmpty())
        FoxText1->setText(QString());
    else
        Search();
}

qint32 ClientManageForm::selectedClient(QString* name)
{
    const qint32 id = SelectedKey(Grid1);
    if (id == 0 || !name)
        return id;
    OpenRecordset(1, QStringLiteral("select * from client where clientid = ?"), {id});
    *name = Rs1.Eof() ? QString() : Rs1.Text(QStringLiteral("Clientname"));
    CloseRecordset(1);
    return id;
}

void ClientManageForm::VsNetBut2_Click()
{
    ClientAddForm* form = GlobalForm<ClientAddForm>::get(window());
    form->ClientId = 0;
    form->exec();
    Search();
}

void ClientManageForm::VsNetBut3_Click()
{
    const qint32 id = selectedClient();
    if (id == 0)
        return;
    const bool own = MayChange(QStringLiteral("client"), QStringLiteral("clientid"), id,
                               QStringLiteral("这不是您创建的客户，你只能查看，无法修改。"));
    ClientAddForm* form = GlobalForm<ClientAddForm>::get(window());
    if (form->VsNetBut2)
        form->VsNetBut2->setEnabled(own);
    form->ClientId = id;
    form->exec();
    Search();
}

void ClientManageForm::VsNetBut4_Click()
{
    if (const qint32 id = selectedClient())
        MsgBox(ClientToText(id));
}

void ClientManageForm::VsNetBut5_Click()
{
    ExportClientsToClipboard();
}

void ClientManageForm::VsNetBut6_Click()
{
    QString name;
    if (const qint32 id = selectedClient(&name); id && affairWindows())
        affairWindows()->addRecurringAffair(id, name);
}

void ClientManageForm::VsNetBut7_Click()
{
    QString name;
    if (const qint32 id = selectedClient(&name); id && affairWindows())
        affairWindows()->addOneOffAffair(id, name);
}

void ClientManageForm::VsNetBut8_Click()
{
    if (const qint32 id = selectedClient(); id && affairWindows())
        affairWindows()->showClientAffairs(id);
}

void ClientManageForm::VsNetBut10_Click()
{
    PrintGrid(Grid1, QStringLiteral("客户清单"), QString(), false, -1, 0);
}

void ClientManageForm::VsNetBut9_Click()
{
    close();
}

void ClientManageForm::Grid1_DblClick()
{
    if (SkipNextDblClick) {
        SkipNextDblClick = false;
        return;
    }
    VsNetBut4_Click();
}

void ClientManageForm::Grid1_BeforeUserSort()
{
    SkipNextDblClick = true;
}

void ClientManageForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    Grid1->resize(width() - TwipsToPixels(360), height() - Grid1->y() - TwipsToPixels(640));
    ClassFrame->resize(Grid1->width(), ClassFrame->height());
    Picture1->resize(width(), Picture1->height());
}

void ClientManageForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        PlaceInMainWindow(this, 0.2);
    }
}
