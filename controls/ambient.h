#pragma once

#include <QFont>

class QWidget;

// The font of the window that hosts a control: a control's default font and the font a saved
// setting equal to it is left out for.
QFont AmbientFont(const QWidget* control);
