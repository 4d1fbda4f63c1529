#include "sales/productaddform.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/foxtext.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "platform/prompts.h"
#include "sales/productrecord.h"
#include "sales/salescontrols.h"

namespace {

constexpr int PairsPerRow = 3;
constexpr int BoxWidth = 120;

const char* const FrameCaptions[] = {
    "商品基本信息（说明：企业为便于商品管理，商品编号设计采用统一位数编号，建议首位不为零，如：100001）",
    "包装信息（说明：长宽高建议使用 毫米 为单位,体积以 立方米 为单位）",
    "栈板信息(说明：栈板高度并不是所有商品放置后的高度，仅只是栈板高度，通常为100mm-200mm间)", "自定义数据"};

} // namespace

ProductAddForm::ProductAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProductAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增单件商品"));

    const EditToolbar bar = BuildEditToolbar(this);
    VsNetBut2 = bar.VsNetBut2;
    VsNetBut4 = bar.VsNetBut4;
    VsNetBut5 = bar.VsNetBut5;
    VsNetBut7 = bar.VsNetBut7;
    buildFrames();

    connect(VsNetBut2, &VsNetBut::Click, this, &ProductAddForm::VsNetBut2_Click);
    connect(VsNetBut4, &VsNetBut::Click, this, &ProductAddForm::LoadProduct);
    connect(VsNetBut7, &VsNetBut::Click, this, &QDialog::close);
}

void ProductAddForm::buildFrames()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, ToolbarHeight, 8, 8);
    QGridLayout* grids[4];
    for (int f = 0; f < 4; ++f) {
        auto* frame = new QGroupBox(QString::fromUtf8(FrameCaptions[f]), this);
        frame->setObjectName(QStringLiteral("Frame%1").arg(f + 1));
        grids[f] = new QGridLayout(frame);
        layout->addWidget(frame);
    }
    // The frames in their order on the window; the boxes keep the control order of the table.
    int used[4] = {};
    const auto place = [&](int frame, QWidget* label, QWidget* field) {
        QGridLayout* grid = grids[frame - 1];
        const int n = used[frame - 1]++;
        grid->addWidget(label, n / PairsPerRow, (n % PairsPerRow) * 2, Qt::AlignRight);
        grid->addWidget(field, n / PairsPerRow, (n % PairsPerRow) * 2 + 1);
        return n / PairsPerRow;
    };
    QList<ProductBox> order = ProductBoxes();
    std::stable_sort(order.begin(), order.end(),
                     [](const ProductBox& a, const ProductBox& b) { return a.frame < b.frame; });
    for (const ProductBox& entry : order) {
        FoxText* box = NewFoxText(this, entry.name, entry.kind, entry.kind == BoxKind::Text ? 0 : 8);
        box->setToolTip(entry.tip);
        box->setMinimumSize(BoxWidth, box->height());
        m_boxes.insert(entry.name, box);
        place(entry.frame, new QLabel(entry.label, this), box);
    }
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    const int lastRow = place(1, new QLabel(QStringLiteral("商品单位："), this), Combo1);
    auto* note =
        new QLabel(QStringLiteral("商品成本与售价的修改，不会对已经生的订单产生影响，如果要产生效果，"
                                  "请删除原有订单，再重新制作。"),
                   this);
    note->setWordWrap(true);
    grids[0]->addWidget(note, lastRow + 1, 0, 1, PairsPerRow * 2);
    SmallPackRemark = new QLabel(this);
    SmallPackRemark->setObjectName(QStringLiteral("SmallPackRemark"));
    SmallPackRemark->setWordWrap(true);
    grids[1]->addWidget(SmallPackRemark, grids[1]->rowCount(), 0, 1, PairsPerRow * 2);
}

void ProductAddForm::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void ProductAddForm::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    ApplySkinToForm(this);
    FillCombo(Combo1, QStringLiteral("select * from ProductUnit order by ProductUnitGetOrder, rowid"),
              QStringLiteral("ProductUnitname"), QStringLiteral("ProductUnitid"), QString(), 0, true);
    SmallPackRemark->setText(
        QStringLiteral("说明:如：香烟商品：以小包为单件商品，1条为10小包,50条为1大包\r\n"
                       "大包商品数量为500,小每包商品数量为10。大包商品可理解为放置于栈板上的包装。"));
    LoadProduct();
}

void ProductAddForm::LoadProduct()
{
    std::optional<ProductForm> row;
    if (GetProductId != 0) {
        row = LoadProductRow(GetProductId);
        if (!row)
            GetProductId = 0;
    }
    box(QStringLiteral("ProductId"))->setEnabled(GetProductId == 0);
    if (!row) {
        setWindowTitle(QStringLiteral("新增商品"));
        for (FoxText* b : std::as_const(m_boxes))
            b->setText(QString());
        return;
    }
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        it.value()->setText(row->texts.value(it.key()));
    const int unit = Combo1->findData(row->unit);
    if (unit >= 0)
        Combo1->setCurrentIndex(unit);
    setWindowTitle(QStringLiteral("修改商品--[%1]").arg(row->texts.value(QStringLiteral("ProductName"))));
}

void ProductAddForm::VsNetBut2_Click()
{
    ProductForm form;
    form.GetProductId = GetProductId;
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        form.texts.insert(it.key(), it.value()->Text());
    NormalizeProductTexts(form);
    // The boxes keep their trimmed texts, also when the save fails.
    for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
        it.value()->setText(form.texts.value(it.key()));
    // With an empty unit table no unit is selected, and unit 0 is stored.
    form.unit = ItemData(Combo1, Combo1->currentIndex());
    const ErrorList errors = SaveProduct(form);
    if (!errors.isEmpty()) {
        MsgBox(errors.message());
        return;
    }
    MsgBox(QStringLiteral("成功保存商品[%1]。").arg(form.texts.value(QStringLiteral("ProductName"))),
           MsgButtons::Ok, QStringLiteral("保存商品"));
    close();
}
