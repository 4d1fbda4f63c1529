#include "sales/productmanage.h"

ProductManage::ProductManage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ProductManage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("商品管理"));
    resize(640, 480);
}
