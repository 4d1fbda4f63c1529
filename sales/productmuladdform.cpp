#include "sales/productmuladdform.h"

#include <QLabel>
#include <QPushButton>

#include "controls/foxtext.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "sales/linegrid.h"
#include "sales/productmulrecord.h"
#include "sales/quickselproductfrom.h"
#include "sales/salescontrols.h"
#include "sales/salesgrid.h"

namespace {

// The hidden columns of a member row: its stored key and its changed flag.
constexpr int KeyCol = 4;
constexpr int ChangedCol = 5;

QString memberRow(const BundleMember& m)
{
    return QStringLiteral("%1\t%2\t%3\t%4\t%5")
        .arg(m.productId)
        .arg(m.name)
        .arg(m.count)
        .arg(m.key)
        .arg(m.changed ? QStringLiteral("1") : QString());
}

} // namespace

ProductMulAddForm::ProductMulAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProductMulAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增组合商品"));

    const EditToolbar bar = BuildEditToolbar(this);
    VsNetBut2 = bar.VsNetBut2;
    VsNetBut4 = bar.VsNetBut4;
    VsNetBut5 = bar.VsNetBut5;
    VsNetBut7 = bar.VsNetBut7;

    const int top = ToolbarHeight + 8;
    constexpr int Width = 672;
    // The three fields in a row, each box right after its label; the last one reaches the edge.
    int left = 12;
    const auto field = [this, top, &left](const QString& name, const QString& label, BoxKind kind,
                                          int width) {
        auto* caption = new QLabel(label, this);
        caption->move(left, top + 4);
        left += caption->sizeHint().width() + 2;
        FoxText* box = NewFoxText(this, name, kind, kind == BoxKind::Text ? 0 : 8);
        box->setGeometry(left, top, width > 0 ? width : Width - 12 - left, box->height());
        left += width + 14;
        return box;
    };
    ProductId = field(QStringLiteral("ProductId"), QStringLiteral("商品编号："), BoxKind::Whole, 90);
    ProductId->setAlignment(2);
    ProductName = field(QStringLiteral("ProductName"), QStringLiteral("商品名称："), BoxKind::Text, 170);
    ProductNameEn = field(QStringLiteral("ProductNameEn"), QStringLiteral("英文名称："), BoxKind::Text, 0);

    Grid1 = new Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setGeometry(12, top + 40, 540, 320);
    const auto button = [this, top](const QString& name, int index) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setGeometry(572, top + 40 + index * 80, 80, 60);
        b->setAutoDefault(false);
        return b;
    };
    Command1 = button(QStringLiteral("Command1"), 0);
    Command2 = button(QStringLiteral("Command2"), 1);
    Command3 = button(QStringLiteral("Command3"), 2);
    setFixedSize(Width, top + 372);

    connect(Command1, &QPushButton::clicked, this, &ProductMulAddForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ProductMulAddForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ProductMulAddForm::Command3_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &ProductMulAddForm::VsNetBut2_Click);
    connect(VsNetBut4, &VsNetBut::Click, this, &ProductMulAddForm::LoadProductMul);
    connect(VsNetBut7, &VsNetBut::Click, this, &QDialog::close);
}

void ProductMulAddForm::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void ProductMulAddForm::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    ApplySkinToForm(this);
    Command1->setText(QStringLiteral("新 增\n单 品"));
    Command2->setText(QStringLiteral("修 改\n单 品"));
    Command3->setText(QStringLiteral("删 除\n单 品"));
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("单件商品编号"), 100},
                      {QStringLiteral("单件商品名称"), 270},
                      {QStringLiteral("单件商品数量"), 100},
                      {QStringLiteral("相交ID"), 0},
                      {QStringLiteral("是否更改"), 0}});
    FitColumn(Grid1, 1, {WidestNumber});
    LoadProductMul();
}

void ProductMulAddForm::LoadProductMul()
{
    std::optional<BundleForm> row;
    if (GetProductMulId != 0) {
        row = LoadBundleRow(GetProductMulId);
        if (!row)
            GetProductMulId = 0;
    }
    ProductId->setEnabled(GetProductMulId == 0);
    Grid1->setRows(1);
    if (!row) {
        setWindowTitle(QStringLiteral("新增组合商品"));
        ProductId->setText(QString());
        ProductName->setText(QString());
        ProductNameEn->setText(QString());
        return;
    }
    ProductId->setText(row->number);
    ProductName->setText(row->name);
    ProductNameEn->setText(row->nameEn);
    setWindowTitle(QStringLiteral("修改组合商品--[%1]").arg(row->name));
    Grid1->setAutoRedraw(false);
    for (const BundleMember& member : LoadBundleMembers(GetProductMulId))
        Grid1->AddItem(memberRow(member));
    Grid1->setAutoRedraw(true);
    Grid1->Refresh();
}

LineGrid ProductMulAddForm::lines() const
{
    return {Grid1, KeyCol, 2, 3, ChangedCol};
}

void ProductMulAddForm::Command1_Click()
{
    qint32 id = 0;
    qint32 count = 0;
    QString name;
    QuickSelectProduct(id, count, name, false, true);
    if (id < 1 || count < 1)
        return;
    for (int r = 1; r < Grid1->Rows(); ++r) {
        if (Grid1->text(r, 1).toInt() == id) {
            lines().addToRow(r, count,
                             QStringLiteral("您选择的单品已存在组合中，你输入的数量将加上原来的数量。"));
            return;
        }
    }
    Grid1->AddItem(memberRow({id, name, count, 0, true}));
}

void ProductMulAddForm::Command2_Click()
{
    lines().changeQuantity();
}

void ProductMulAddForm::Command3_Click()
{
    lines().removeSelected(
        QStringLiteral("您确定要删除组合产品中的单品 [%1] ？\r\n\r\n此操作为一次性操作，不可逆！！"),
        DeleteBundleMember);
}

void ProductMulAddForm::VsNetBut2_Click()
{
    ProductName->setText(TrimText(ProductName->Text()));
    ProductNameEn->setText(TrimText(ProductNameEn->Text()));
    ProductId->setText(QString::number(WholeValue(TrimText(ProductId->Text()))));
    BundleForm form;
    form.GetProductMulId = GetProductMulId;
    form.number = ProductId->Text();
    form.name = ProductName->Text();
    form.nameEn = ProductNameEn->Text();
    for (int r = 1; r < Grid1->Rows(); ++r) {
        form.members.append({Grid1->text(r, 1).toInt(), Grid1->text(r, 2), Grid1->text(r, 3).toInt(),
                             Grid1->text(r, KeyCol).toInt(),
                             Grid1->text(r, ChangedCol) == QLatin1String("1")});
    }
    const ErrorList errors = SaveBundle(form);
    if (!errors.isEmpty()) {
        MsgBox(errors.message());
        return;
    }
    MsgBox(QStringLiteral("成功保存组合商品[%1]。").arg(form.name), MsgButtons::Ok,
           QStringLiteral("保存商品"));
    close();
}
