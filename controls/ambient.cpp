#include "controls/ambient.h"

#include <QApplication>
#include <QWidget>

QFont AmbientFont(const QWidget* control)
{
    const QWidget* host = control ? control->parentWidget() : nullptr;
    return host ? host->font() : QApplication::font();
}
