#include "affairs/childwindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace {

std::function<void(QWidget*)>& host()
{
    static std::function<void(QWidget*)> installed;
    return installed;
}

} // namespace

void SetChildWindowHost(std::function<void(QWidget*)> shower)
{
    host() = std::move(shower);
}

void ShowChildWindow(QWidget* form)
{
    if (host())
        host()(form);
    else
        form->show();
}

void PlaceInMainWindow(QWidget* form, double topFactor)
{
    auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    if (!frame || !frame->mdiArea())
        return;
    const QSize area = frame->mdiArea()->viewport()->size();
    frame->move(qMax(0, (area.width() - frame->width()) / 2),
                qMax(0, static_cast<int>((area.height() - frame->height()) * topFactor)));
}
