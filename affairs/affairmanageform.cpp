#include "affairs/affairmanageform.h"

AffairManageForm::AffairManageForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AffairManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("事务管理"));
    resize(640, 480);
}

void AffairManageForm::OtherSearch(qint32& ClientId)
{
    // The list and its client filter come with the window's own work.
    Q_UNUSED(ClientId);
}
