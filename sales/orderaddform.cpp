#include "sales/orderaddform.h"

OrderAddform::OrderAddform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OrderAddform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增订单"));
    resize(480, 360);
}
