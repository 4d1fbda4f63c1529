#include "app/appaffairwindows.h"

#include <QPushButton>

#include "affairs/affairaddform.h"
#include "affairs/affairmanageform.h"
#include "affairs/affairregularadd.h"
#include "app/mainform.h"
#include "controls/foxtext.h"
#include "core/globalform.h"

namespace {

// A dialog for a new affair of one client: the client preset and its choose and clear buttons off.
template <typename Dialog> void showForClient(qint32 clientId, const QString& clientName)
{
    Dialog* form = GlobalForm<Dialog>::get(MainForm::instance());
    form->ClientId = clientId;
    form->FoxText1->setText(clientName);
    form->Command1->setEnabled(false);
    form->Command2->setEnabled(false);
    form->exec();
}

} // namespace

void AppAffairWindows::showClientAffairs(qint32 clientId)
{
    AffairManageForm* form = MainForm::instance() ? MainForm::instance()->openChild<AffairManageForm>()
                                                  : GlobalForm<AffairManageForm>::get();
    if (!MainForm::instance())
        form->show();
    form->OtherSearch(clientId);
}

void AppAffairWindows::addOneOffAffair(qint32 clientId, const QString& clientName)
{
    showForClient<AffairAddForm>(clientId, clientName);
}

void AppAffairWindows::addRecurringAffair(qint32 clientId, const QString& clientName)
{
    // A new recurring affair.
    GlobalForm<AffairRegularAdd>::get(MainForm::instance())->AffairRegularId = 0;
    showForClient<AffairRegularAdd>(clientId, clientName);
}
