#include "clients/companymanageform.h"

CompanyManageForm::CompanyManageForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CompanyManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("公司管理"));
    resize(640, 480);
}
