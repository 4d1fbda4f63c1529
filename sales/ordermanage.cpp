#include "sales/ordermanage.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "clients/quickselect.h"
#include "controls/foxtext.h"
#include "controls/ownerfilter.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/formplacement.h"
#include "core/formsizelimits.h"
#include "core/printgrid.h"
#include "core/session.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "sales/orderlist.h"
#include "sales/partynames.h"
#include "sales/salescontrols.h"
#include "sales/salesgrid.h"

namespace {

const QString NoCompany = QStringLiteral("未选择公司");
const QString NoClient = QStringLiteral("未选择");
constexpr int FilterTop = ToolbarHeight + 4;
constexpr int FilterRow = 34;
constexpr int GridTop = FilterTop + 2 * FilterRow + 4;

const QList<ListColumn> LineColumns(const QString& last)
{
    return {{QString(), 30},
            {QStringLiteral("序号"), 40},
            {QStringLiteral("商品编号"), 70},
            {QStringLiteral("商品名称"), 110, 6},
            {QStringLiteral("数量"), 60},
            {last, 60}};
}

} // namespace

OrderManage::OrderManage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OrderManage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("订单管理"));
    const QList<VsNetBut*> bar = BuildToolbar(this, 4, 4,
                                              {{QStringLiteral("VsNetBut2"), QStringLiteral("新增订单")},
                                               {QStringLiteral("VsNetBut3"), QStringLiteral("修改订单")},
                                               {QStringLiteral("VsNetBut1"), {}},
                                               {QStringLiteral("VsNetBut4"), QStringLiteral("审核订单")},
                                               {QStringLiteral("VsNetBut1"), {}},
                                               {QStringLiteral("VsNetBut5"), QStringLiteral("打印订单")},
                                               {QStringLiteral("VsNetBut8"), QStringLiteral("主单明细")},
                                               {QStringLiteral("VsNetBut7"), QStringLiteral("清单明细")},
                                               {QStringLiteral("VsNetBut1"), {}},
                                               {QStringLiteral("VsNetBut6"), QStringLiteral("退 出")}});
    VsNetBut2 = bar[0];
    VsNetBut3 = bar[1];
    VsNetBut4 = bar[3];
    VsNetBut5 = bar[5];
    VsNetBut8 = bar[6];
    VsNetBut7 = bar[7];
    VsNetBut6 = bar[9];
    buildFilters();
    buildGrids();
    connectFilters();

    connect(Grid1, &Grid::Click, this, &OrderManage::Grid1_Click);
    connect(Grid2, &Grid::AfterUserSort, this, [this](int col) { renumber(Grid2, col); });
    connect(Grid3, &Grid::AfterUserSort, this, [this](int col) { renumber(Grid3, col); });
    connect(VsNetBut2, &VsNetBut::Click, this, &OrderManage::VsNetBut2_Click);
    connect(VsNetBut3, &VsNetBut::Click, this, &OrderManage::VsNetBut3_Click);
    connect(VsNetBut4, &VsNetBut::Click, this, &OrderManage::VsNetBut4_Click);
    connect(VsNetBut5, &VsNetBut::Click, this,
            [this] { PrintGrid(Grid1, QStringLiteral("订单清单"), QString(), false, -1, 0); });
    connect(VsNetBut8, &VsNetBut::Click, this, [this] { printSheet(true); });
    connect(VsNetBut7, &VsNetBut::Click, this, [this] { printSheet(false); });
    connect(VsNetBut6, &VsNetBut::Click, this, &QWidget::close);
}

void OrderManage::buildFilters()
{
    Picture2 = new QWidget(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(8, FilterTop, 220, 28);
    Picture2->installEventFilter(this);
    int left = 4;
    for (const QString& caption :
         {QStringLiteral("已完成"), QStringLiteral("未完成"), QStringLiteral("所有")}) {
        auto* option = new QRadioButton(caption, Picture2);
        option->setObjectName(QStringLiteral("Option1_%1").arg(Option1.size()));
        option->setGeometry(left, 4, 70, 20);
        left += 72;
        Option1.push_back(option);
    }
    const auto label = [this](const QString& text, int x, int row) {
        auto* l = new QLabel(text, this);
        l->move(x, FilterTop + row * FilterRow + 4);
        return l;
    };
    const auto box = [this](const QString& name, BoxKind kind, int x, int row, int width) {
        FoxText* b = NewFoxText(this, name, kind, kind == BoxKind::Text ? 0 : 8);
        b->setGeometry(x, FilterTop + row * FilterRow, width, b->height());
        return b;
    };
    const auto button = [this](const QString& name, const QString& caption, int x, int row) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, FilterTop + row * FilterRow - 1, 50, 28);
        return b;
    };
    label(QStringLiteral("公司："), 240, 0);
    Text4 = box(QStringLiteral("Text4"), BoxKind::Text, 284, 0, 220);
    Text4->setLocked(true);
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("选择"), 510, 0);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("取消"), 564, 0);
    SelUserLabel = label(QStringLiteral("选择用户："), 630, 0);
    SelUserLabel->setObjectName(QStringLiteral("SelUserLabel"));
    SelUserCombo = new QComboBox(this);
    SelUserCombo->setObjectName(QStringLiteral("SelUserCombo"));
    SelUserCombo->setGeometry(700, FilterTop, 120, 26);

    label(QStringLiteral("订单编号："), 12, 1);
    OrderIDTxt = box(QStringLiteral("OrderIDTxt"), BoxKind::Whole, 84, 1, 130);
    label(QStringLiteral("经办人："), 228, 1);
    FoxText1 = box(QStringLiteral("FoxText1"), BoxKind::Text, 284, 1, 220);
    FoxText1->setLocked(true);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("选择"), 510, 1);
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("取消"), 564, 1);
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("全部"), 630, 1);
}

void OrderManage::buildGrids()
{
    const auto grid = [](QWidget* parent, const QString& name) {
        auto* g = new Grid(parent);
        g->setObjectName(name);
        g->setAllowUserSort(true);
        return g;
    };
    Grid1 = grid(this, QStringLiteral("Grid1"));
    Grid1->move(8, GridTop);
    Frame1 = new QGroupBox(QStringLiteral("订单主单明细"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Grid2 = grid(Frame1, QStringLiteral("Grid2"));
    Grid2->move(8, 20);
    Frame2 = new QGroupBox(QStringLiteral("订单清单明细"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Grid3 = grid(Frame2, QStringLiteral("Grid3"));
    Grid3->move(8, 20);
}

void OrderManage::connectFilters()
{
    for (int i = 0; i < int(Option1.size()); ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                filterChanged();
        });
    }
    connect(SelUserCombo, &QComboBox::currentIndexChanged, this, &OrderManage::filterChanged);
    connect(OrderIDTxt, &FoxText::Change, this, [this] {
        if (SearchBusy)
            return;
        // A typed number searches all companies and contact persons.
        SearchBusy = true;
        setCompanyFilter(0);
        setClientFilter(0);
        SearchBusy = false;
        RefreshOrderList();
    });
    connect(Command1, &QPushButton::clicked, this, &OrderManage::pickCompany);
    connect(Command3, &QPushButton::clicked, this, &OrderManage::pickClient);
    connect(Command2, &QPushButton::clicked, this, [this] {
        if (SearchBusy)
            return;
        setCompanyFilter(0);
        RefreshOrderList();
    });
    connect(Command4, &QPushButton::clicked, this, [this] {
        if (SearchBusy)
            return;
        setClientFilter(0);
        RefreshOrderList();
    });
    connect(Command5, &QPushButton::clicked, this, &OrderManage::Command5_Click);
}

void OrderManage::showEvent(QShowEvent* event)
{
    Form_Load();
    QWidget::showEvent(event);
}

void OrderManage::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    VsNetBut4->setEnabled(CanCheckOrder);
    SearchBusy = true;
    SelCompanyId = 0;
    SelClientId = 0;
    Text4->setText(NoCompany);
    FoxText1->setText(NoClient);
    Option1[1]->setChecked(true);
    ApplySkinToForm(this);
    SetFormSizeLimits(this, 12720, 8805, 0, 0);
    PlaceInMainWindow(this, 0.2);
    FillOwnerFilter(SelUserCombo, SelUserLabel);
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("订单编号"), 70},
                      {QStringLiteral("公司"), 190},
                      {QStringLiteral("经办人"), 80},
                      {QStringLiteral("售价"), 80},
                      {QStringLiteral("实际售价"), 80},
                      {QStringLiteral("发货日期"), 110},
                      {QStringLiteral("审核"), 40},
                      {QStringLiteral("结束"), 40},
                      {QStringLiteral("用户"), 80}});
    Grid1->Column(7).setCellType(2);
    Grid1->Column(8).setCellType(2);
    SetupGrid(Grid2, LineColumns(QStringLiteral("类型")));
    SetupGrid(Grid3, LineColumns(QStringLiteral("单价")));
    // Numbers, dates and names show whole at every font size.
    FitColumn(Grid1, 1, {WidestNumber});
    FitColumn(Grid1, 2, {LongCompanyName});
    FitColumn(Grid1, 3, {LongPersonName});
    FitColumn(Grid1, 6, {QStringLiteral("0000-00-00")});
    for (Grid* lines : {Grid2, Grid3}) {
        FitColumn(lines, 2, {WidestNumber});
        FitColumn(lines, 3, {LongProductName});
    }
    RefreshOrderList();
}

void OrderManage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    // The list over the two line frames, which share the width below it.
    Grid1->resize(width() - 24, std::max(0, (height() - GridTop - 47) / 2));
    const int frameTop = Grid1->geometry().bottom() + 5;
    const int frameWidth = (Grid1->width() - 4) / 2;
    Frame1->setGeometry(Grid1->x(), frameTop, frameWidth, Grid1->height());
    Frame2->setGeometry(Frame1->geometry().right() + 5, frameTop, frameWidth, Grid1->height());
    Grid2->resize(frameWidth - 16, std::max(0, Frame1->height() - 28));
    Grid3->resize(Grid2->size());
}

bool OrderManage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture2 && event->type() == QEvent::MouseButtonRelease)
        filterChanged();
    return QWidget::eventFilter(watched, event);
}

void OrderManage::filterChanged()
{
    if (!SearchBusy)
        RefreshOrderList();
}

void OrderManage::RefreshOrderList()
{
    // Fills never nest: a search asked for during one runs once after it.
    if (m_filling) {
        m_searchAgain = true;
        return;
    }
    m_filling = true;
    SearchBusy = true;
    OrderIDTxt->setText(TrimText(OrderIDTxt->Text()));
    SearchBusy = false;
    OrderListFilter filter;
    filter.state = Option1[0]->isChecked()   ? OrderListFilter::Finished
                   : Option1[1]->isChecked() ? OrderListFilter::Unfinished
                                             : OrderListFilter::All;
    filter.userId = ChosenOwner(SelUserCombo);
    filter.number = OrderIDTxt->Text();
    filter.companyId = SelCompanyId;
    filter.clientId = SelClientId;
    FillGrid(Grid1, OrderListQuery(filter), OrderListRow);
    m_filling = false;
    if (m_searchAgain) {
        m_searchAgain = false;
        RefreshOrderList();
    }
}

void OrderManage::setCompanyFilter(qint32 id)
{
    SelCompanyId = id;
    Text4->setText(id != 0 ? CompanyName(id).value_or(QString()) : NoCompany);
}

void OrderManage::setClientFilter(qint32 id)
{
    SelClientId = id;
    FoxText1->setText(id != 0 ? ClientName(id).value_or(QString()) : NoClient);
}

void OrderManage::pickCompany()
{
    if (SearchBusy)
        return;
    const qint32 id = QuickSelect(false);
    if (id == 0)
        return;
    SearchBusy = true;
    setClientFilter(0);
    setCompanyFilter(id);
    OrderIDTxt->setText(QString());
    SearchBusy = false;
    RefreshOrderList();
}

void OrderManage::pickClient()
{
    if (SearchBusy)
        return;
    const qint32 id = QuickSelect(true);
    if (id == 0)
        return;
    SearchBusy = true;
    setClientFilter(id);
    setCompanyFilter(0);
    OrderIDTxt->setText(QString());
    SearchBusy = false;
    RefreshOrderList();
}

void OrderManage::Command5_Click()
{
    SearchBusy = true;
    SelUserCombo->setCurrentIndex(0);
    Option1[1]->setChecked(true);
    setCompanyFilter(0);
    setClientFilter(0);
    OrderIDTxt->setText(QString());
    SearchBusy = false;
    RefreshOrderList();
}

void OrderManage::Grid1_Click()
{
    const qint32 orderId = selectedOrder(QStringLiteral("请先选择一个单件订单。"));
    if (orderId != 0)
        ShowOrderLines(orderId);
}

void OrderManage::ShowOrderLines(qint32 orderId)
{
    const auto fill = [](Grid* grid, const QStringList& rows) {
        grid->setAutoRedraw(false);
        grid->setRows(1);
        for (const QString& row : rows)
            grid->AddItem(row);
        grid->setAutoRedraw(true);
        grid->Refresh();
    };
    fill(Grid2, OrderMainLineRows(orderId));
    fill(Grid3, OrderSinLineRows(orderId));
}

void OrderManage::renumber(Grid* grid, int sortedColumn)
{
    if (sortedColumn == 1)
        return;
    for (int r = 1; r < grid->Rows(); ++r)
        grid->Cell(r, 1).setText(QString::number(r));
}

qint32 OrderManage::selectedOrder(const QString& message)
{
    const int row = Grid1->ActiveCell().Row();
    if (row == 0) {
        MsgBox(message, MsgButtons::Ok, QStringLiteral("选择商品"));
        return 0;
    }
    return Grid1->text(row, 1).toInt();
}
