#pragma once

#include <QtGlobal>

class QWidget;

// Windows of other programs on the X11 display. Without an X11 display (any Qt platform other than
// xcb) nothing is found and nothing is embedded.

// True when the application draws on an X11 display.
bool IsX11Display();

// The first top-level window of process pid that is shown on the screen, found by the window's
// _NET_WM_PID property; 0 when there is none (yet).
quintptr FindProcessWindow(qint64 pid);

// False once the window has been destroyed.
bool IsWindowAlive(quintptr window);

// Takes the foreign window into a new container widget under parent; nullptr without X11.
QWidget* EmbedForeignWindow(quintptr window, QWidget* parent);
