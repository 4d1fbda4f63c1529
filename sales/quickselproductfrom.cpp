#include "sales/quickselproductfrom.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "controls/foxtext.h"
#include "controls/skincolors.h"
#include "core/dblayer.h"
#include "core/formplacement.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "sales/salescontrols.h"
#include "sales/productsearch.h"
#include "sales/salesgrid.h"
#include "sales/searchboxes.h"

QuickSelProductFrom::QuickSelProductFrom(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("QuickSelProductFrom"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("选择商品"));

    const auto label = [this](const QString& text, int left, int top) {
        auto* l = new QLabel(text, this);
        l->move(left, top + 4);
    };
    label(QStringLiteral("商品编号："), 12, 12);
    ProductId = NewFoxText(this, QStringLiteral("ProductId"), BoxKind::Whole, 8);
    ProductId->setGeometry(84, 12, 110, ProductId->height());
    label(QStringLiteral("商品名称："), 210, 12);
    ProductName = NewFoxText(this, QStringLiteral("ProductName"), BoxKind::Text);
    ProductName->setGeometry(282, 12, 180, ProductName->height());
    Command4 = new QPushButton(QStringLiteral("全部"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(476, 10, 70, 28);

    Grid1 = new Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setGeometry(12, 48, 612, 330);

    label(QStringLiteral("数量："), 12, 392);
    FoxText1 = NewFoxText(this, QStringLiteral("FoxText1"), BoxKind::Whole, 8);
    FoxText1->setText(QStringLiteral("0"));
    FoxText1->setGeometry(60, 392, 110, FoxText1->height());
    Command1 = new QPushButton(QStringLiteral("确 定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(420, 390, 90, 30);
    Command1->setAutoDefault(false);
    Command2 = new QPushButton(QStringLiteral("取 消"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(520, 390, 90, 30);
    Command2->setAutoDefault(false);
    setFixedSize(636, 434);

    m_search =
        std::make_unique<SearchBoxes>(ProductId, ProductName, SearchBusy, [this] { FillSelectList(); });
    connect(Command4, &QPushButton::clicked, this, [this] { m_search->clear(); });
    connect(Command1, &QPushButton::clicked, this, &QuickSelProductFrom::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QuickSelProductFrom::Command2_Click);
}

QuickSelProductFrom::~QuickSelProductFrom() = default;

void QuickSelProductFrom::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void QuickSelProductFrom::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    PlaceInMainWindow(this, 0.3);
    ApplySkinToForm(this);
    const QString kind = IsProductMul ? QStringLiteral("组合") : QString();
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("商品编号"), 70},
                      {kind + QStringLiteral("商品名称"), 240},
                      {IsProductMul ? QStringLiteral("组合英文名称") : QStringLiteral("英文名称"), 240}});
    FitColumn(Grid1, 1, {WidestNumber});
    setWindowTitle(QStringLiteral("选择") + kind + QStringLiteral("商品"));
    FillSelectList();
}

void QuickSelProductFrom::FillSelectList()
{
    m_search->trim();
    FillGrid(Grid1, ProductListQuery(IsProductMul, ProductId->Text(), ProductName->Text()),
             [](const Statement& st) {
                 return st.value(0).toString() + QLatin1Char('\t') + st.value(1).toString() +
                        QLatin1Char('\t') + st.value(2).toString();
             });
}

void QuickSelProductFrom::Command1_Click()
{
    const qint32 count = WholeValue(TrimText(FoxText1->Text()));
    FoxText1->setText(QString::number(count));
    const int row = Grid1->ActiveCell().Row();
    if (row == 0) {
        MsgBox(QStringLiteral("请先选择一个商品。"), MsgButtons::Ok, QStringLiteral("选择商品"));
        return;
    }
    if (count <= 0 && NotAllCountZero) {
        MsgBox(QStringLiteral("请输入商品数量。"));
        return;
    }
    SelProductid = Grid1->text(row, 1).toInt();
    SelProductCount = count;
    SelProductName = Grid1->text(row, 2);
    accept();
}

void QuickSelProductFrom::Command2_Click()
{
    SelProductid = 0;
    SelProductCount = 0;
    reject();
}

void QuickSelectProduct(qint32& ProductID, qint32& Quantity, QString& ProductName, bool SelectMul,
                        bool NeedCount)
{
    // A fresh picker for every call: empty search boxes, quantity "0".
    QuickSelProductFrom picker(QApplication::activeWindow());
    picker.setAttribute(Qt::WA_DeleteOnClose, false);
    picker.IsProductMul = SelectMul;
    picker.NotAllCountZero = NeedCount;
    picker.exec();
    ProductName = picker.SelProductName;
    ProductID = picker.SelProductid;
    Quantity = picker.SelProductCount;
}
