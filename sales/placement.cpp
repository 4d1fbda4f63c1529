#include "sales/placement.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

void PlaceInMainWindow(QWidget* form, double topFactor)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        if (QMdiArea* area = sub->mdiArea()) {
            const QSize free = area->viewport()->size() - sub->size();
            sub->move(free.width() / 2, int(free.height() * topFactor));
        }
        return;
    }
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* main = qobject_cast<QMainWindow*>(top);
        if (!main || !main->isVisible())
            continue;
        const QRect m = main->frameGeometry();
        const QSize own = form->frameGeometry().size();
        form->move(m.left() + (m.width() - own.width()) / 2,
                   m.top() + int((m.height() - own.height()) * topFactor));
        return;
    }
}
