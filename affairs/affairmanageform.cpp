#include "affairs/affairmanageform.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "affairs/afairshowform.h"
#include "affairs/affairaddform.h"
#include "affairs/affairformparts.h"
#include "affairs/affairgeneration.h"
#include "affairs/affairlist.h"
#include "affairs/affairregularmanageform.h"
#include "affairs/affairtoday.h"
#include "affairs/childwindow.h"
#include "affairs/clientname.h"
#include "affairs/clientpickcontrols.h"
#include "controls/foxtext.h"
#include "controls/listgrid.h"
#include "controls/optionclick.h"
#include "controls/ownerfilter.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/application.h"
#include "core/dblayer.h"
#include "core/formplacement.h"
#include "core/formsizelimits.h"
#include "core/globalform.h"
#include "core/printgrid.h"
#include "core/session.h"
#include "platform/dberror.h"
#include "platform/grid.h"
#include "platform/twips.h"

namespace {

constexpr int FirstRow = TwipsToPixels(960);
constexpr int SecondRow = TwipsToPixels(1440);
constexpr int GridTop = TwipsToPixels(1920);
constexpr int GridLeft = TwipsToPixels(120);
constexpr int RowHeight = 22;
constexpr int CheckBoxCells = 2;
const QColor TodayColor(255, 0, 0);

// A row of exclusive options in a panel of their own: each as wide as its caption needs, the room
// left shared out evenly.
std::vector<QRadioButton*> addOptions(QWidget* form, const QString& panelName, const QString& optionName,
                                      const QStringList& captions, const QRect& rect,
                                      QWidget** panelOut = nullptr)
{
    auto* panel = new QWidget(form);
    panel->setObjectName(panelName);
    panel->setGeometry(rect);
    std::vector<QRadioButton*> options;
    int needed = 0;
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions.at(i), panel);
        option->setObjectName(QStringLiteral("%1_%2").arg(optionName).arg(i));
        needed += option->sizeHint().width();
        options.push_back(option);
    }
    const int extra = qMax(0, rect.width() - needed) / int(captions.size());
    int left = 0;
    for (QRadioButton* option : options) {
        const int width = option->sizeHint().width() + extra;
        option->setGeometry(left, 0, width, rect.height());
        left += width;
    }
    if (panelOut)
        *panelOut = panel;
    return options;
}

int checkedIndex(const std::vector<QRadioButton*>& options)
{
    for (size_t i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked())
            return int(i);
    }
    return -1;
}

} // namespace

AffairManageForm::AffairManageForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AffairManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("事务管理"));

    AffairToolbar toolbar(this, TwipsToPixels(13320));
    toolbar.addSeparator();
    VsNetBut2 = toolbar.addButton(QStringLiteral("VsNetBut2"), QStringLiteral("常规事务"));
    VsNetBut3 = toolbar.addButton(QStringLiteral("VsNetBut3"), QStringLiteral("临时事务"));
    toolbar.addSeparator();
    VsNetBut4 = toolbar.addButton(QStringLiteral("VsNetBut4"), QStringLiteral("打印事务"));
    toolbar.addSeparator();
    VsNetBut6 = toolbar.addButton(QStringLiteral("VsNetBut6"), QStringLiteral("退 出"));
    toolbar.addSeparator();
    buildFilters();
    buildGrid();

    connect(VsNetBut2, &VsNetBut::Click, this, &AffairManageForm::VsNetBut2_Click);
    connect(VsNetBut3, &VsNetBut::Click, this, &AffairManageForm::VsNetBut3_Click);
    connect(VsNetBut4, &VsNetBut::Click, this, &AffairManageForm::VsNetBut4_Click);
    connect(VsNetBut6, &VsNetBut::Click, this, &QWidget::close);
}

void AffairManageForm::buildFilters()
{
    AddLabel(this, QStringLiteral("Label1"), QStringLiteral("事务方式："), QRect(8, FirstRow, 70, RowHeight));
    Combo1 = AddDropDown(this, QStringLiteral("Combo1"), QRect(80, FirstRow, 110, RowHeight));
    Option2 = addOptions(this, QStringLiteral("Option2Panel"), QStringLiteral("Option2"),
                         {QStringLiteral("已关闭"), QStringLiteral("未关闭"), QStringLiteral("所有")},
                         QRect(200, FirstRow, 210, RowHeight), &Option2Panel);
    Option3 = addOptions(this, QStringLiteral("Option3Panel"), QStringLiteral("Option3"),
                         {QStringLiteral("今日之前"), QStringLiteral("今天"), QStringLiteral("明天"),
                          QStringLiteral("后天"), QStringLiteral("全部")},
                         QRect(420, FirstRow, 300, RowHeight));
    SelUserLabel = AddLabel(this, QStringLiteral("SelUserLabel"), QStringLiteral("用户："),
                            QRect(722, FirstRow, 40, RowHeight));
    SelUserCombo = AddDropDown(this, QStringLiteral("SelUserCombo"), QRect(764, FirstRow, 116, RowHeight));

    AddLabel(this, QStringLiteral("Label2"), QStringLiteral("事务类型："),
             QRect(8, SecondRow, 70, RowHeight));
    Combo2 = AddDropDown(this, QStringLiteral("Combo2"), QRect(80, SecondRow, 110, RowHeight));
    Option1 = addOptions(this, QStringLiteral("Option1Panel"), QStringLiteral("Option1"),
                         {QStringLiteral("已完成"), QStringLiteral("未完成"), QStringLiteral("所有")},
                         QRect(200, SecondRow, 210, RowHeight));
    AddLabel(this, QStringLiteral("Label3"), QStringLiteral("客户："), QRect(420, SecondRow, 40, RowHeight));
    const ClientPickControls client =
        CreateClientPickControls(this, 462, SecondRow, 110, "Command3", "Command2");
    FoxText1 = client.name;
    Command3 = client.choose;
    Command2 = client.clear;
    const auto button = [this](const QString& name, const QString& caption, const QRect& rect) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(rect);
        return b;
    };
    Command4 =
        button(QStringLiteral("Command4"), QStringLiteral("刷  新"), QRect(690, SecondRow, 60, RowHeight));
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("缺 省 条 件 查 询"),
                      QRect(756, SecondRow, 124, RowHeight));

    for (const auto* group : {&Option1, &Option2, &Option3}) {
        for (QRadioButton* option : *group)
            OnOptionClick(option, this, [this] { SearchAffairs(); });
    }
    Option2Panel->installEventFilter(this);
    for (QComboBox* combo : {Combo1, Combo2, SelUserCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &AffairManageForm::SearchAffairs);
    connect(Command4, &QPushButton::clicked, this, &AffairManageForm::SearchAffairs);
    connect(Command1, &QPushButton::clicked, this, &AffairManageForm::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &AffairManageForm::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &AffairManageForm::Command2_Click);
}

void AffairManageForm::buildGrid()
{
    Grid1 = new Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->move(GridLeft, GridTop);
    Grid1->setReadOnly(true);
    Grid1->setAllowUserSort(true);
    connect(Grid1, &Grid::BeforeUserSort, this, [this] { SkipNextDblClick = true; });
    connect(Grid1, &Grid::DblClick, this, &AffairManageForm::Grid1_DblClick);
}

void AffairManageForm::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        Form_Load();
    QWidget::showEvent(event);
}

void AffairManageForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    Grid1->resize(qMax(0, width() - TwipsToPixels(360)), qMax(0, height() - GridTop - TwipsToPixels(640)));
}

bool AffairManageForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Option2Panel && event->type() == QEvent::MouseButtonRelease)
        SearchAffairs();
    return QWidget::eventFilter(watched, event);
}

void AffairManageForm::Form_Load()
{
    m_loaded = true;
    SearchSuspended = true;
    ApplySkinToForm(this);
    SetFormSizeLimits(this, 13320, 8235, 0, 0);
    PlaceInMainWindow(this, 0.3);
    FillOwnerFilter(SelUserCombo, SelUserLabel);
    try {
        MakeComingAffairs();
    } catch (const DbBusyError& e) {
        // Nothing was generated; the list opens all the same and generates at its next opening.
        Application::reportBusy(e);
    }
    FillAffairWays(Combo1, true);
    FillAffairTypes(Combo2, true);

    // The user column is as wide only for users who see every user's affairs.
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("事务ID"), 0},
                      {QStringLiteral("名 称"), 140},
                      {QStringLiteral("种类"), 60},
                      {QStringLiteral("完成日期"), 108},
                      {QStringLiteral("提醒"), 64},
                      {QStringLiteral("联系人"), 80},
                      {QStringLiteral("方 式"), 80},
                      {QStringLiteral("类 别"), 120},
                      {QStringLiteral("完成"), 40},
                      {QStringLiteral("关闭"), 40},
                      {QStringLiteral("用 户"), CanSeeAllUser ? 80 : 0}});
    Grid1->Column(9).setCellType(CheckBoxCells);
    Grid1->Column(10).setCellType(CheckBoxCells);
    // An affair's name of eight characters, a four-character contact's name, days, reminders and
    // the two switch headers show whole at large font sizes.
    FitColumn(Grid1, 2, {QStringLiteral("上门拜访洽谈合同")});
    FitColumn(Grid1, 6, {LongPersonName});
    FitColumn(Grid1, 4, {QStringLiteral("0000-00-00")});
    FitColumn(Grid1, 5, {QStringLiteral("999日后")});
    FitColumn(Grid1, 9, {});
    FitColumn(Grid1, 10, {});

    Command1_Click();
}

AffairFilter AffairManageForm::currentFilter() const
{
    AffairFilter filter;
    filter.dateWindow = checkedIndex(Option3);
    filter.done = checkedIndex(Option1);
    filter.closed = checkedIndex(Option2);
    filter.wayId = ItemData(Combo1, Combo1->currentIndex());
    filter.typeId = ItemData(Combo2, Combo2->currentIndex());
    filter.clientId = ClientId;
    filter.userId = ChosenOwner(SelUserCombo);
    return filter;
}

void AffairManageForm::SearchAffairs()
{
    if (SearchSuspended)
        return;
    const QDate today = AffairToday();
    const std::vector<AffairListRow> rows = SearchAffairList(currentFilter(), today);
    Grid1->setAutoRedraw(false);
    Grid1->setRows(1);
    for (const AffairListRow& row : rows) {
        Grid1->AddItem(AffairRowCells(row, today).join(QLatin1Char('\t')));
        if (row.date == today)
            Grid1->Cell(Grid1->Rows() - 1, 5).setForeColor(TodayColor);
    }
    Grid1->setAutoRedraw(true);
    Grid1->Refresh();
}

template <typename Set> void AffairManageForm::setFiltersAndSearch(Set set)
{
    SearchSuspended = true;
    Combo1->setCurrentIndex(0);
    Combo2->setCurrentIndex(0);
    Option1[AffairFilter::NotSet]->setChecked(true);
    Option2[AffairFilter::NotSet]->setChecked(true);
    set();
    SearchSuspended = false;
    SearchAffairs();
}

void AffairManageForm::OtherSearch(qint32& ClientId)
{
    const std::optional<QString> name = ClientNameOf(ClientId);
    if (!name)
        return;
    this->ClientId = ClientId;
    FoxText1->setText(*name);
    setFiltersAndSearch([this] { Option3[AffairFilter::AllDays]->setChecked(true); });
}

void AffairManageForm::Command1_Click()
{
    setFiltersAndSearch([this] {
        Option3[AffairFilter::Today]->setChecked(true);
        ClearClient(ClientId, FoxText1);
    });
}

void AffairManageForm::Command3_Click()
{
    if (ChooseClient(ClientId, FoxText1))
        SearchAffairs();
}

void AffairManageForm::Command2_Click()
{
    ClearClient(ClientId, FoxText1);
    SearchAffairs();
}

void AffairManageForm::Grid1_DblClick()
{
    if (SkipNextDblClick) {
        SkipNextDblClick = false;
        return;
    }
    const int row = Grid1->ActiveCell().Row();
    if (Grid1->Rows() == 1 || row == 0)
        return;
    const qint32 id = Grid1->Cell(row, 1).Text().toInt();
    const qint64 owner =
        Conn.scalar(QStringLiteral("select createuser from affair where affairid = ?"), {id}).toLongLong();
    AFairShowForm* view = GlobalForm<AFairShowForm>::get(this);
    view->AffairID = id;
    view->setProgressShown(owner == CurUserID);
    view->exec();
}

void AffairManageForm::VsNetBut2_Click()
{
    ShowChildWindow(GlobalForm<AffairRegularManageform>::get());
    SearchAffairs();
}

void AffairManageForm::VsNetBut3_Click()
{
    GlobalForm<AffairAddForm>::get(this)->exec();
    SearchAffairs();
}

void AffairManageForm::VsNetBut4_Click()
{
    PrintGrid(Grid1, QStringLiteral("事务清单"), QString(), false, -1, 0);
}
