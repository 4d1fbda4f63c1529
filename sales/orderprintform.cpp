#include "sales/orderprintform.h"

#include <QLabel>

#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "platform/grid.h"
#include "sales/salescontrols.h"

OrderPrintForm::OrderPrintForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OrderPrintForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QList<VsNetBut*> bar = BuildToolbar(this, 4, 4,
                                              {{QStringLiteral("VsNetBut2"), QStringLiteral("打 印")},
                                               {QStringLiteral("VsNetBut1"), {}},
                                               {QStringLiteral("VsNetBut9"), QStringLiteral("退 出")}});
    VsNetBut2 = bar[0];
    VsNetBut9 = bar[2];
    Label1 = new QLabel(QStringLiteral("您可以对打印内容进行手动修改，但修改的内容不会被保存。"
                                       "您也可以选择范围后复制至Excel、WORD等软件。"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // Right of the two buttons, in two lines where one does not hold it.
    Label1->setWordWrap(true);
    Label1->setGeometry(164, 4, 624, ToolbarHeight - 8);
    Grid1 = new Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setReadOnly(false);
    Grid1->setGeometry(4, ToolbarHeight, 788, 520);
    setFixedSize(796, ToolbarHeight + 528);

    connect(VsNetBut2, &VsNetBut::Click, Grid1, &Grid::PrintPreview);
    connect(VsNetBut9, &VsNetBut::Click, this, &QDialog::close);
}

void OrderPrintForm::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void OrderPrintForm::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    ApplySkinToForm(this);
    setWindowTitle(QStringLiteral("打印") +
                   (IsMul ? QStringLiteral("主单明细") : QStringLiteral("清单明细")));
}
