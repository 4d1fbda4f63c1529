#include "admin/groupmanageform.h"

GroupManageForm::GroupManageForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GroupManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("群组及用户管理"));
    resize(480, 360);
}
