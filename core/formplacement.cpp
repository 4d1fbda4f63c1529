#include "core/formplacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void PlaceInMainWindow(QWidget* Frm, double topFactor)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(Frm->parentWidget());
    if (!sub || !sub->mdiArea())
        return;
    const QSize area = sub->mdiArea()->viewport()->size();
    sub->move((area.width() - sub->width()) / 2, int((area.height() - sub->height()) * topFactor));
}
