#include "clients/companyaddform.h"

CompanyAddForm::CompanyAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CompanyAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增公司"));
    resize(480, 360);
}
