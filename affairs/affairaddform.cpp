#include "affairs/affairaddform.h"

#include "affairs/clientpickcontrols.h"

AffairAddForm::AffairAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AffairAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增临时事务"));
    resize(480, 360);

    // The client's controls exist for the callers; the dialog's layout places them.
    const ClientPickControls client = CreateClientPickControls(this);
    FoxText1 = client.name;
    Command1 = client.choose;
    Command2 = client.clear;
}
