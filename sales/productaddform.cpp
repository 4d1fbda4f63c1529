#include "sales/productaddform.h"

ProductAddForm::ProductAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProductAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增商品"));
    resize(480, 360);
}
