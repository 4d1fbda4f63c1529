#pragma once

#include <QString>

class QWidget;
class VsNetBut;

// The band of buttons at the top of a window, laid out from the left: a caption makes a button,
// an empty caption a disabled separator. left is where the next one goes.
VsNetBut* AddBandButton(QWidget* parent, const QString& name, const QString& caption, int& left);
