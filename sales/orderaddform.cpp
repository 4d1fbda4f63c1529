#include "sales/orderaddform.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "clients/quickselect.h"
#include "controls/datefield.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/formplacement.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "sales/linegrid.h"
#include "sales/orderrecord.h"
#include "sales/partynames.h"
#include "sales/quickselproductfrom.h"
#include "sales/salescontrols.h"
#include "sales/salesgrid.h"

namespace {

// Columns of a line: its stored key, type, number, name, quantity and changed flag.
constexpr int KeyCol = 1;
constexpr int TypeCol = 2;
constexpr int NumberCol = 3;
constexpr int NameCol = 4;
constexpr int CountCol = 5;
constexpr int ChangedCol = 6;

const QString NoCompany = QStringLiteral("未选择公司");
const QString NoClient = QStringLiteral("未选择");

constexpr int LabelLeft = 16;
constexpr int FieldLeft = 90;
constexpr int RowTop = ToolbarHeight + 32;
constexpr int RowStep = 34;

} // namespace

OrderAddform::OrderAddform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OrderAddform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增订单"));

    const EditToolbar bar = BuildEditToolbar(this);
    VsNetBut2 = bar.VsNetBut2;
    VsNetBut4 = bar.VsNetBut4;
    VsNetBut5 = bar.VsNetBut5;
    VsNetBut7 = bar.VsNetBut7;
    buildHeader();
    buildLines();
    setFixedSize(700, Frame2->geometry().bottom() + 12);

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (const qint32 id = QuickSelect(false))
            setCompany(id);
    });
    connect(Command2, &QPushButton::clicked, this, [this] { setCompany(0); });
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (const qint32 id = QuickSelect(true))
            setClient(id);
    });
    connect(Command4, &QPushButton::clicked, this, [this] { setClient(0); });
    connect(Command5[0], &QPushButton::clicked, this, [this] { Command5_Click(0); });
    connect(Command5[1], &QPushButton::clicked, this, [this] { Command5_Click(1); });
    connect(Command7, &QPushButton::clicked, this, &OrderAddform::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &OrderAddform::Command8_Click);
    connect(m_dateField, &DateField::unreadable, this, [this] { ReportUnreadableDate(Text3); });
    connect(VsNetBut2, &VsNetBut::Click, this, &OrderAddform::VsNetBut2_Click);
    connect(VsNetBut4, &VsNetBut::Click, this, &OrderAddform::LoadOrder);
    connect(VsNetBut7, &VsNetBut::Click, this, &OrderAddform::VsNetBut7_Click);
}

void OrderAddform::buildHeader()
{
    auto* note = new QLabel(
        QStringLiteral("（说明：为便于订单管理，商品编号设计采用统一位数编号，建议首位不为零）"), this);
    note->setObjectName(QStringLiteral("Frame1"));
    note->move(LabelLeft, ToolbarHeight + 6);
    const auto label = [this](const QString& text, int left, int row) {
        (new QLabel(text, this))->move(left, RowTop + row * RowStep + 4);
    };
    const auto box = [this](const QString& name, BoxKind kind, int left, int row, int width) {
        FoxText* b = NewFoxText(this, name, kind, kind == BoxKind::Text ? 0 : 8);
        b->setGeometry(left, RowTop + row * RowStep, width, b->height());
        return b;
    };
    const auto button = [this](const QString& name, const QString& caption, int left, int row) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(left, RowTop + row * RowStep - 1, 56, 28);
        b->setAutoDefault(false);
        return b;
    };
    label(QStringLiteral("订单编号："), LabelLeft, 0);
    OrderIDTxt = box(QStringLiteral("OrderIDTxt"), BoxKind::Whole, FieldLeft, 0, 130);
    OrderIDTxt->setAlignment(2);
    OrderIDTxt->setSelAll(true);
    label(QStringLiteral("交货日期："), 300, 0);
    Text3 = box(QStringLiteral("Text3"), BoxKind::Text, 374, 0, 130);
    Text3->setAlignment(2);
    Text3->setLocked(true);

    label(QStringLiteral("公司："), LabelLeft, 1);
    Text4 = box(QStringLiteral("Text4"), BoxKind::Text, FieldLeft, 1, 280);
    Text4->setLocked(true);
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("选择"), 380, 1);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("取消"), 440, 1);
    label(QStringLiteral("经办人："), LabelLeft, 2);
    FoxText1 = box(QStringLiteral("FoxText1"), BoxKind::Text, FieldLeft, 2, 280);
    FoxText1->setLocked(true);
    FoxText1->setAlignment(2);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("选择"), 380, 2);
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("取消"), 440, 2);

    label(QStringLiteral("  备 注"), LabelLeft, 3);
    Text7 = NewNoteBox(this, QStringLiteral("Text7"));
    Text7->setGeometry(FieldLeft, RowTop + 3 * RowStep, 590, 56);

    FoxDate1 = new FoxDate(this);
    FoxDate1->setObjectName(QStringLiteral("FoxDate1"));
    FoxDate1->move(Text3->x(), Text3->geometry().bottom());
    FoxDate1->hide();
    m_dateField = new DateField(FoxDate1, this);
    m_dateField->addField(Text3);
}

void OrderAddform::buildLines()
{
    Frame2 = new QGroupBox(QStringLiteral("商品设置"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(LabelLeft - 4, RowTop + 3 * RowStep + 66, 676, 270);
    Grid1 = new Grid(Frame2);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setGeometry(8, 22, 560, 238);
    const auto button = [this](const QString& name, const QString& caption, int index) {
        auto* b = new QPushButton(caption, Frame2);
        b->setObjectName(name);
        b->setGeometry(580, 22 + index * 44, 86, 34);
        b->setAutoDefault(false);
        return b;
    };
    Command5 = {button(QStringLiteral("Command5_0"), QStringLiteral("新增单品"), 0),
                button(QStringLiteral("Command5_1"), QStringLiteral("新增组合"), 1)};
    Command7 = button(QStringLiteral("Command7"), QStringLiteral("修改数量"), 2);
    Command8 = button(QStringLiteral("Command8"), QStringLiteral("删除商品"), 3);
    // The calendar drops down over everything else.
    FoxDate1->raise();
}

void OrderAddform::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void OrderAddform::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    ApplySkinToForm(this);
    PlaceInMainWindow(this, 0.4);
    SinType = QStringLiteral("商品");
    MulType = QStringLiteral("组合商品");
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("定单编号"), 0},
                      {QStringLiteral("类型"), 80},
                      {QStringLiteral("商品编号"), 80},
                      {QStringLiteral("商品名称"), 290},
                      {QStringLiteral("数量"), 60},
                      {QStringLiteral("是否更改"), 0}});
    FitColumn(Grid1, TypeCol, {MulType});
    FitColumn(Grid1, NumberCol, {WidestNumber});
    LoadOrder();
}

void OrderAddform::LoadOrder()
{
    std::optional<OrderForm> row;
    if (OrderID != 0) {
        row = LoadOrderRow(OrderID);
        if (row) {
            CompanyId = row->CompanyId;
            ClientId = row->ClientId;
            Text3->setText(row->orderDate.toString(QStringLiteral("yyyy-MM-dd")));
            Text7->setText(row->remark);
        } else {
            OrderID = 0;
        }
    }
    OrderIDTxt->setEnabled(OrderID == 0);
    Grid1->setRows(1);
    if (!row) {
        // A new order; a number typed already stays.
        setWindowTitle(QStringLiteral("新增订单"));
        Text3->setText(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        Text7->setText(QString());
        setCompany(0);
        setClient(0);
        return;
    }
    OrderIDTxt->setText(QString::number(OrderID));
    setCompany(CompanyId);
    setClient(ClientId);
    Grid1->setAutoRedraw(false);
    for (const OrderLine& line : LoadOrderLines(OrderID)) {
        Grid1->AddItem(QStringLiteral("%1\t%2\t%3\t%4\t%5\t")
                           .arg(line.key)
                           .arg(line.isMul ? MulType : SinType)
                           .arg(line.proId)
                           .arg(line.name)
                           .arg(line.count));
    }
    Grid1->setAutoRedraw(true);
    Grid1->Refresh();
    setWindowTitle(QStringLiteral("修改订单--[%1]").arg(OrderID));
}

void OrderAddform::setCompany(qint32 id)
{
    const std::optional<QString> name = id != 0 ? CompanyName(id) : std::nullopt;
    CompanyId = name ? id : 0;
    Text4->setText(name.value_or(NoCompany));
}

void OrderAddform::setClient(qint32 id)
{
    const std::optional<QString> name = id != 0 ? ClientName(id) : std::nullopt;
    ClientId = name ? id : 0;
    FoxText1->setText(name.value_or(NoClient));
}

LineGrid OrderAddform::lines() const
{
    return {Grid1, KeyCol, NameCol, CountCol, ChangedCol};
}

void OrderAddform::Command5_Click(int Index)
{
    qint32 id = 0;
    qint32 count = 0;
    QString name;
    QuickSelectProduct(id, count, name, Index == 1, true);
    if (id < 1 || count < 1)
        return;
    const QString type = Index == 1 ? MulType : SinType;
    for (int r = 1; r < Grid1->Rows(); ++r) {
        if (Grid1->text(r, NumberCol).toInt() == id && Grid1->text(r, TypeCol) == type) {
            lines().addToRow(r, count,
                             QStringLiteral("您选择的商品已存在组合中，你输入的数量将加上原来的数量。"));
            return;
        }
    }
    Grid1->AddItem(QStringLiteral("0\t%1\t%2\t%3\t%4\t1").arg(type).arg(id).arg(name).arg(count));
}

void OrderAddform::Command7_Click()
{
    lines().changeQuantity();
}

void OrderAddform::Command8_Click()
{
    // The stored order's expansion and totals follow a deleted line at once.
    lines().removeSelected(QStringLiteral("您确定要删除商品 [%1] ？\r\n\r\n此操作为一次性操作，不可逆！！"),
                           [this](qint32 key) { DeleteOrderLine(key, OrderID); });
}

void OrderAddform::VsNetBut2_Click()
{
    OrderIDTxt->setText(QString::number(WholeValue(TrimText(OrderIDTxt->Text()))));
    OrderForm form;
    form.OrderID = OrderID;
    form.number = OrderIDTxt->Text();
    form.CompanyId = CompanyId;
    form.ClientId = ClientId;
    form.remark = Text7->Text();
    for (int r = 1; r < Grid1->Rows(); ++r) {
        form.lines.append({Grid1->text(r, KeyCol).toInt(), Grid1->text(r, TypeCol) != SinType,
                           Grid1->text(r, NumberCol).toInt(), Grid1->text(r, NameCol),
                           Grid1->text(r, CountCol).toInt(),
                           Grid1->text(r, ChangedCol) == QLatin1String("1")});
    }
    ErrorList errors = CheckOrder(form);
    if (!errors.isEmpty()) {
        MsgBox(errors.message());
        return;
    }
    form.orderDate = DateField::readBox(Text3->Text());
    if (!form.orderDate.isValid()) {
        MsgBox(UnreadableDateText);
        return;
    }
    if (!ClientBelongsToCompany(CompanyId, ClientId) &&
        MsgBox(QStringLiteral("你设置的经办人不是所选择的公司，此操作并不影响订单，您是否确定？"),
               MsgButtons::OkCancel, QStringLiteral("确定公司")) != MsgResult::Ok)
        return;
    // Checked again while storing: another user may have taken the number meanwhile.
    errors = SaveOrder(form);
    if (!errors.isEmpty()) {
        MsgBox(errors.message());
        return;
    }
    OrderID = 0;
    CompanyId = 0;
    ClientId = 0;
    MsgBox(QStringLiteral("成功保存订单[%1]。").arg(form.number));
    close();
}

void OrderAddform::VsNetBut7_Click()
{
    OrderID = 0;
    CompanyId = 0;
    ClientId = 0;
    close();
}
