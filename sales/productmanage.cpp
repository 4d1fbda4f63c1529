#include "sales/productmanage.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "controls/foxtext.h"
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
#include "sales/productaddform.h"
#include "sales/productmuladdform.h"
#include "sales/productmulrecord.h"
#include "sales/salescontrols.h"
#include "sales/productsearch.h"
#include "sales/salesgrid.h"
#include "sales/searchboxes.h"

namespace {

constexpr int SearchTop = 22;
constexpr int GridTop = 56;
constexpr int SearchBoxWidth = 90;
const QString EmptyMembersCaption = QStringLiteral("以下为选组合商品的商品清单：");

QString tabbed(const Statement& st, int columns)
{
    QStringList cells;
    for (int c = 0; c < columns; ++c)
        cells << st.value(c).toString();
    return cells.join(QLatin1Char('\t'));
}

} // namespace

ProductManage::ProductManage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ProductManage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("商品管理"));
    buildControls();

    m_productSearch =
        std::make_unique<SearchBoxes>(ProductId, ProductName, SearchBusy, [this] { FillProductList(); });
    m_bundleSearch = std::make_unique<SearchBoxes>(ProductMulId, ProductMulName, SearchBusy,
                                                   [this] { FillProductMulList(); });
    connect(Command4, &QPushButton::clicked, this, [this] { m_productSearch->clear(); });
    connect(Command1, &QPushButton::clicked, this, [this] { m_bundleSearch->clear(); });
    connect(Grid2, &Grid::Click, this, &ProductManage::Grid2_Click);
    connect(Grid1, &Grid::BeforeUserSort, this, [this] { SkipNextDblClick = true; });
    connect(Grid1, &Grid::DblClick, this, &ProductManage::Grid1_DblClick);
    connect(VsNetBut2, &VsNetBut::Click, this, &ProductManage::VsNetBut2_Click);
    connect(VsNetBut3, &VsNetBut::Click, this, &ProductManage::VsNetBut3_Click);
    connect(VsNetBut5, &VsNetBut::Click, this, &ProductManage::VsNetBut5_Click);
    connect(VsNetBut7, &VsNetBut::Click, this, &ProductManage::VsNetBut7_Click);
    connect(VsNetBut4, &VsNetBut::Click, this,
            [this] { PrintGrid(Grid1, QStringLiteral("商品信息 "), QString(), false, -1, 0); });
    connect(VsNetBut6, &VsNetBut::Click, this, &QWidget::close);
}

ProductManage::~ProductManage() = default;

void ProductManage::buildControls()
{
    const QList<VsNetBut*> bar = BuildToolbar(this, 4, 4,
                                              {{QStringLiteral("VsNetBut2"), QStringLiteral("新增商品")},
                                               {QStringLiteral("VsNetBut3"), QStringLiteral("修改商品")},
                                               {QStringLiteral("VsNetBut1"), {}},
                                               {QStringLiteral("VsNetBut5"), QStringLiteral("新增组合")},
                                               {QStringLiteral("VsNetBut7"), QStringLiteral("修改组合")},
                                               {QStringLiteral("VsNetBut1"), {}},
                                               {QStringLiteral("VsNetBut4"), QStringLiteral("打印商品")},
                                               {QStringLiteral("VsNetBut1"), {}},
                                               {QStringLiteral("VsNetBut6"), QStringLiteral("退 出")}});
    VsNetBut2 = bar[0];
    VsNetBut3 = bar[1];
    VsNetBut5 = bar[3];
    VsNetBut7 = bar[4];
    VsNetBut4 = bar[6];
    VsNetBut6 = bar[8];

    const auto frame = [this](const QString& name, const QString& caption) {
        auto* f = new QGroupBox(caption, this);
        f->setObjectName(name);
        f->move(8, ToolbarHeight);
        return f;
    };
    // Each frame's search row: number box, name box and "全部", placed from the left.
    int left = 0;
    const auto search = [&left](QWidget* parent, const QString& name, const QString& caption, BoxKind kind) {
        auto* label = new QLabel(caption, parent);
        label->move(left, SearchTop + 4);
        left += label->sizeHint().width() + 2;
        FoxText* box = NewFoxText(parent, name, kind, kind == BoxKind::Text ? 0 : 8);
        box->setGeometry(left, SearchTop, SearchBoxWidth, box->height());
        left += SearchBoxWidth + 10;
        return box;
    };
    const auto allButton = [&left](QWidget* parent, const QString& name) {
        auto* b = new QPushButton(QStringLiteral("全部"), parent);
        b->setObjectName(name);
        b->setGeometry(left, SearchTop - 2, 50, 28);
        return b;
    };
    const auto grid = [](QWidget* parent, const QString& name) {
        auto* g = new Grid(parent);
        g->setObjectName(name);
        g->setAllowUserSort(true);
        g->move(8, GridTop);
        return g;
    };
    Frame1 = frame(QStringLiteral("Frame1"), QStringLiteral("单件商品信息"));
    left = 8;
    ProductId = search(Frame1, QStringLiteral("ProductId"), QStringLiteral("单件商品编号："), BoxKind::Whole);
    ProductName =
        search(Frame1, QStringLiteral("ProductName"), QStringLiteral("单件商品名称："), BoxKind::Text);
    Command4 = allButton(Frame1, QStringLiteral("Command4"));
    Grid1 = grid(Frame1, QStringLiteral("Grid1"));

    Frame2 = frame(QStringLiteral("Frame2"), QStringLiteral("组合商品信息"));
    left = 8;
    ProductMulId =
        search(Frame2, QStringLiteral("ProductMulId"), QStringLiteral("组合商品编号："), BoxKind::Whole);
    ProductMulName =
        search(Frame2, QStringLiteral("ProductMulName"), QStringLiteral("商品名称："), BoxKind::Text);
    Command1 = allButton(Frame2, QStringLiteral("Command1"));
    Grid2 = grid(Frame2, QStringLiteral("Grid2"));
    Label4 = new QLabel(EmptyMembersCaption, Frame2);
    Label4->setObjectName(QStringLiteral("Label4"));
    Grid3 = grid(Frame2, QStringLiteral("Grid3"));
}

void ProductManage::showEvent(QShowEvent* event)
{
    Form_Load();
    QWidget::showEvent(event);
}

void ProductManage::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    ApplySkinToForm(this);
    SetFormSizeLimits(this, 14325, 8505, 0, 0);
    VsNetBut2->setEnabled(CanChangeClass);
    VsNetBut5->setEnabled(CanChangeClass);
    VsNetBut3->setCaption(CanChangeClass ? QStringLiteral("修改商品") : QStringLiteral("查看商品"));
    VsNetBut7->setCaption(CanChangeClass ? QStringLiteral("修改组合") : QStringLiteral("查看组合"));
    SearchBusy = true;
    PlaceInMainWindow(this, 0.3);
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("商品编号"), 70},
                      {QStringLiteral("商品名称"), 220, 6},
                      {QStringLiteral("成本"), 70},
                      {QStringLiteral("售价"), 70},
                      {QStringLiteral("英文名称"), 300}});
    SetupGrid(Grid2, {{QString(), 30},
                      {QStringLiteral("商品编号"), 70},
                      {QStringLiteral("组合商品名称"), 240},
                      {QStringLiteral("组合英文名称"), 240}});
    SetupGrid(Grid3, {{QString(), 30},
                      {QStringLiteral("单件编号"), 80},
                      {QStringLiteral("单件商品名称"), 200},
                      {QStringLiteral("数量"), 50}});
    for (Grid* grid : {Grid1, Grid2, Grid3})
        FitColumn(grid, 1, {WidestNumber});
    FillProductList();
    FillProductMulList();
    SearchBusy = false;
}

void ProductManage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    // The two frames side by side, the product frame a little wider; both grids of the bundle
    // frame share its height.
    const int frame1Width = int(width() * 0.53);
    const int frameHeight = height() - Frame1->y() - 43;
    Frame1->resize(frame1Width, frameHeight);
    Frame2->setGeometry(frame1Width + 16, Frame1->y(), width() - frame1Width - 32, frameHeight);
    Grid1->resize(Frame1->width() - 16, Frame1->height() - 8 - Grid1->y());
    const int halfHeight = (Frame2->height() - Grid2->y() - 28) / 2;
    Grid2->resize(Frame2->width() - 16, halfHeight);
    Label4->move(Grid2->x(), Grid2->y() + halfHeight + 4);
    Label4->resize(Grid2->width(), Label4->sizeHint().height());
    Grid3->setGeometry(Grid2->x(), Label4->y() + Label4->height() + 4, Grid2->width(), halfHeight);
}

void ProductManage::FillProductList()
{
    m_productSearch->trim();
    FillGrid(Grid1, ProductListQuery(false, ProductId->Text(), ProductName->Text()), [](const Statement& st) {
        return QStringList{st.value(0).toString(), st.value(1).toString(), PriceText(st.value(3).toDouble()),
                           PriceText(st.value(4).toDouble()), st.value(2).toString()}
            .join(QLatin1Char('\t'));
    });
}

void ProductManage::FillProductMulList()
{
    Grid3->setRows(1);
    Label4->setText(EmptyMembersCaption);
    m_bundleSearch->trim();
    FillGrid(Grid2, ProductListQuery(true, ProductMulId->Text(), ProductMulName->Text()),
             [](const Statement& st) { return tabbed(st, 3); });
}

void ProductManage::Grid2_Click()
{
    const int row = Grid2->ActiveCell().Row();
    if (row == 0)
        return;
    const QString bundle = Grid2->text(row, 1);
    Label4->setText(QStringLiteral("以下为选组合商品 [%1] 的商品清单：").arg(bundle));
    Grid3->setAutoRedraw(false);
    Grid3->setRows(1);
    for (const BundleMember& m : LoadBundleMembers(bundle.toInt()))
        Grid3->AddItem(QStringLiteral("%1\t%2\t%3").arg(m.productId).arg(m.name).arg(m.count));
    Grid3->setAutoRedraw(true);
    Grid3->Refresh();
}

void ProductManage::Grid1_DblClick()
{
    if (SkipNextDblClick) {
        SkipNextDblClick = false;
        return;
    }
    VsNetBut3_Click();
}

void ProductManage::VsNetBut2_Click()
{
    ProductAddForm* form = GlobalForm<ProductAddForm>::get(this);
    form->GetProductId = 0;
    form->exec();
    FillProductList();
}

void ProductManage::VsNetBut3_Click()
{
    const int row = Grid1->ActiveCell().Row();
    if (row == 0) {
        MsgBox(QStringLiteral("请先选择一个单件商品。"), MsgButtons::Ok, QStringLiteral("选择商品"));
        return;
    }
    ProductAddForm* form = GlobalForm<ProductAddForm>::get(this);
    form->GetProductId = Grid1->text(row, 1).toInt();
    form->VsNetBut2->setEnabled(CanChangeClass);
    form->exec();
    FillProductList();
}

void ProductManage::VsNetBut5_Click()
{
    ProductMulAddForm* form = GlobalForm<ProductMulAddForm>::get(this);
    form->GetProductMulId = 0;
    form->exec();
    FillProductMulList();
}

void ProductManage::VsNetBut7_Click()
{
    const int row = Grid2->ActiveCell().Row();
    if (row == 0) {
        MsgBox(QStringLiteral("请先选择一个组合商品。"), MsgButtons::Ok, QStringLiteral("选择商品"));
        return;
    }
    ProductMulAddForm* form = GlobalForm<ProductMulAddForm>::get(this);
    form->GetProductMulId = Grid2->text(row, 1).toInt();
    form->VsNetBut2->setEnabled(CanChangeClass);
    // Members are deleted at once, not at the save: a view-only bundle cannot lose any.
    form->Command3->setEnabled(CanChangeClass);
    form->exec();
    FillProductMulList();
}
