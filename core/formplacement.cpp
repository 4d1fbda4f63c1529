#include "core/formplacement.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

void PlaceInMainWindow(QWidget* Frm, double topFactor)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(Frm->parentWidget())) {
        if (QMdiArea* area = sub->mdiArea()) {
            const QSize free = area->viewport()->size() - sub->size();
            sub->move(qMax(0, free.width() / 2), qMax(0, int(free.height() * topFactor)));
        }
        return;
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<QMainWindow*>(top);
        if (!main || !main->isVisible())
            continue;
        const QRect m = main->frameGeometry();
        const QSize own = Frm->frameGeometry().size();
        Frm->move(m.left() + (m.width() - own.width()) / 2,
                  m.top() + int((m.height() - own.height()) * topFactor));
        return;
    }
}
