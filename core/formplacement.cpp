#include "core/formplacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

void PlaceInMainWindow(QWidget* Frm, double topFactor)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(Frm->parentWidget());
    if (!sub || !sub->mdiArea())
        return;
    const QSize area = sub->mdiArea()->viewport()->size();
    // A window larger than the area starts at its top left corner, so its title bar stays reachable.
    sub->move(qMax(0, (area.width() - sub->width()) / 2), qMax(0, int((area.height() - sub->height()) * topFactor)));
}
