#include "admin/logmanageform.h"

LogManageForm::LogManageForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LogManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("查看日志"));
    resize(640, 480);
}
