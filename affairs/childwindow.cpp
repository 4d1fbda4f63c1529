#include "affairs/childwindow.h"

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
