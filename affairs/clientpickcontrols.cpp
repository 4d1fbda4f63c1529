#include "affairs/clientpickcontrols.h"

#include <QPushButton>

#include "controls/foxtext.h"

ClientPickControls CreateClientPickControls(QWidget* dialog)
{
    ClientPickControls controls;
    controls.name = new FoxText(dialog);
    controls.name->setObjectName(QStringLiteral("FoxText1"));
    controls.name->setOnlyNumber(false);
    controls.name->hide();
    controls.choose = new QPushButton(QStringLiteral("选择"), dialog);
    controls.choose->setObjectName(QStringLiteral("Command1"));
    controls.choose->hide();
    controls.clear = new QPushButton(QStringLiteral("取消"), dialog);
    controls.clear->setObjectName(QStringLiteral("Command2"));
    controls.clear->hide();
    return controls;
}
