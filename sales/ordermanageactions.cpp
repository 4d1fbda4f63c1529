// The order list's toolbar: new, edit and check an order, print the list and the order sheets.
#include <algorithm>

#include <QCheckBox>
#include <QPushButton>

#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/globalform.h"
#include "core/session.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "sales/orderaddform.h"
#include "sales/ordercheckform.h"
#include "sales/ordermanage.h"
#include "sales/orderprintform.h"
#include "sales/ordersheet.h"
#include "sales/salesnumbers.h"

void OrderManage::VsNetBut2_Click()
{
    Grid2->setRows(1);
    Grid3->setRows(1);
    OrderAddform* form = GlobalForm<OrderAddform>::get(this);
    form->OrderID = 0;
    form->exec();
    RefreshOrderList();
    if (Grid1->Rows() > 1) {
        Grid1->setActiveCell(1);
        ShowOrderLines(Grid1->text(1, 1).toInt());
    }
}

void OrderManage::VsNetBut3_Click()
{
    Grid2->setRows(1);
    Grid3->setRows(1);
    const qint32 orderId = selectedOrder(QStringLiteral("请先选择一份订单。"));
    if (orderId == 0)
        return;
    const int position = Grid1->ActiveCell().Row();
    const bool own =
        Conn.scalar(QStringLiteral("select createuser from orderdata where orderid = ?"), {orderId})
            .toInt() == CurUserID;
    if (!own)
        MsgBox(QStringLiteral("这不是您创建的订单，你只能查看，无法修改。"));
    OrderAddform* form = GlobalForm<OrderAddform>::get(this);
    form->OrderID = orderId;
    form->VsNetBut2->setEnabled(own);
    form->Command8->setEnabled(own);
    form->exec();
    RefreshOrderList();
    if (position < Grid1->Rows()) {
        Grid1->setActiveCell(position);
        ShowOrderLines(Grid1->text(position, 1).toInt());
    }
}

void OrderManage::VsNetBut4_Click()
{
    const qint32 orderId = selectedOrder(QStringLiteral("请先选择一个单件订单。"));
    if (orderId == 0)
        return;
    const int row = Grid1->ActiveCell().Row();
    OrderCheckForm* form = GlobalForm<OrderCheckForm>::get(this);
    form->OrderID = orderId;
    // A stored price longer than the 8 characters the box takes by typing is shown whole: cut, it
    // would be saved cut.
    const QString price = AmountText(NumberValue(Grid1->text(row, 5)));
    form->Text1->setMaxLength(std::max(8, int(price.size())));
    form->Text1->setText(price);
    form->Check1->setChecked(Grid1->text(row, 7) == QLatin1String("1"));
    form->Check2->setChecked(Grid1->text(row, 8) == QLatin1String("1"));
    // The dialog's result goes into the row selected now; the list is not searched again.
    connect(form, &OrderCheckForm::Saved, this,
            [this, row](const QString& realSell, bool checked, bool finished) {
                const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("-1"); };
                Grid1->Cell(row, 5).setText(realSell);
                Grid1->Cell(row, 7).setText(flag(checked));
                Grid1->Cell(row, 8).setText(flag(finished));
            });
    form->exec();
}

void OrderManage::printSheet(bool isMul)
{
    const qint32 orderId = selectedOrder(QStringLiteral("请先选择一个单件订单。"));
    if (orderId == 0)
        return;
    GlobalForm<OrderPrintForm>::get(this)->IsMul = isMul;
    FillOrderPrint(orderId);
    GlobalForm<OrderPrintForm>::get(this)->exec();
}

void OrderManage::FillOrderPrint(qint32 OrderId)
{
    // The sheet takes its lines from the line grids: they must show this order.
    ShowOrderLines(OrderId);
    OrderPrintForm* form = GlobalForm<OrderPrintForm>::get(this);
    form->Form_Load();
    BuildOrderSheet(form->Grid1, form->IsMul ? Grid2 : Grid3, form->IsMul, OrderId);
}
