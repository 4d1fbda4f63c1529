#include "clients/clientaddform.h"

ClientAddForm::ClientAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ClientAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增客户"));
    resize(480, 360);
}
