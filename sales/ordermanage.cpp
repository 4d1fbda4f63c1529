#include "sales/ordermanage.h"

OrderManage::OrderManage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OrderManage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("订单管理"));
    resize(640, 480);
}
