#include "sales/productmuladdform.h"

ProductMulAddForm::ProductMulAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ProductMulAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增组合商品"));
    resize(480, 360);
}
