#include "affairs/affairregularadd.h"

#include <QPushButton>

#include "controls/foxtext.h"

AffairRegularAdd::AffairRegularAdd(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AffairRegularAdd"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增定期事务"));
    resize(480, 360);

    // The client's controls exist for the callers; the dialog's layout places them.
    FoxText1 = new FoxText(this);
    FoxText1->setObjectName(QStringLiteral("FoxText1"));
    FoxText1->setOnlyNumber(false);
    FoxText1->hide();
    Command1 = new QPushButton(QStringLiteral("选择"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->hide();
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->hide();
}
