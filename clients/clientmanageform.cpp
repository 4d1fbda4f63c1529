#include "clients/clientmanageform.h"

ClientManageForm::ClientManageForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ClientManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("客户管理"));
    resize(640, 480);
}
