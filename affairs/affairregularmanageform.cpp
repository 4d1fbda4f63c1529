#include "affairs/affairregularmanageform.h"

AffairRegularManageform::AffairRegularManageform(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AffairRegularManageform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("常规事务管理"));
    resize(640, 480);
}
