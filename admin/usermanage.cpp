#include "admin/usermanage.h"

UserManage::UserManage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UserManage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("个人资料管理"));
    resize(480, 360);
}
