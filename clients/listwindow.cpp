#include "clients/listwindow.h"

#include <QComboBox>

#include "controls/toolband.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "platform/twips.h"

VsNetBut* AddToolButton(QWidget* bar, const QString& name, const QString& caption, int leftTwips)
{
    // The buttons have no picture: the caption takes the whole face, as on the other lists.
    ToolBand band(bar, TwipsToPixels(leftTwips),
                  {TwipsToPixels(60), TwipsToPixels(855), TwipsToPixels(705), TwipsToPixels(60), 100});
    return caption.isEmpty() ? band.addSeparator(name) : band.addButton(name, caption);
}

qint32 SelectedKey(Grid* grid)
{
    const int row = grid->ActiveCell().Row();
    if (row < 1) {
        MsgBox(QStringLiteral("请先选择一个客户。"), MsgButtons::Ok, QStringLiteral("选择客户"));
        return 0;
    }
    return grid->Cell(row, 1).Text().toInt();
}

bool MayChange(const QString& table, const QString& keyColumn, qint32 id, const QString& notOwnText)
{
    OpenRecordset(1, QStringLiteral("select * from %1 where %2 = ?").arg(table, keyColumn), {id});
    const bool own = !Rs1.Eof() && Rs1.Int(QStringLiteral("createuser")) == CurUserID;
    CloseRecordset(1);
    if (!own)
        MsgBox(notOwnText);
    return own;
}
