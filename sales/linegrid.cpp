#include "sales/linegrid.h"

#include "core/dblayer.h"
#include "core/inputtext.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "sales/salesnumbers.h"

int LineGrid::selectedRow() const
{
    const int row = grid->ActiveCell().Row();
    if (row == 0)
        MsgBox(QStringLiteral("请先选择一个商品。"), MsgButtons::Ok, QStringLiteral("选择客户"));
    return row;
}

void LineGrid::addToRow(int row, qint32 more, const QString& message) const
{
    qint32 total = grid->text(row, countCol).toInt();
    if (!AddQuantity(&total, more)) {
        // Saying the quantity will be added would be untrue: the line keeps its quantity.
        MsgBox(QStringLiteral("商品数量太大，不能再加上你输入的数量。"), MsgButtons::Ok,
               QStringLiteral("新增单品"));
        return;
    }
    MsgBox(message, MsgButtons::Ok, QStringLiteral("新增单品"));
    grid->Cell(row, countCol).setText(QString::number(total));
    grid->Cell(row, changedCol).setText(QStringLiteral("1"));
}

void LineGrid::changeQuantity() const
{
    const int row = selectedRow();
    if (row == 0)
        return;
    const QString answer = InputText(QStringLiteral("请输入商品数量："), QStringLiteral("修改商品数量"),
                                     grid->text(row, countCol), true, false, QString(), true);
    const qint32 count = WholeValue(TrimText(answer));
    if (count == 0)
        return;
    grid->Cell(row, countCol).setText(QString::number(count));
    grid->Cell(row, changedCol).setText(QStringLiteral("1"));
}

qint32 LineGrid::storedKey(int row) const
{
    return grid->text(row, keyCol).toInt();
}

bool LineGrid::confirmDelete(const QString& question, int row) const
{
    return MsgBox(question.arg(grid->text(row, nameCol)), MsgButtons::OkCancel, QStringLiteral("删除单品")) ==
           MsgResult::Ok;
}

void LineGrid::removeRow(int row) const
{
    grid->RemoveItem(row);
}
