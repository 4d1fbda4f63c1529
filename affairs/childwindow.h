#pragma once

#include <functional>

class QWidget;

// How the affair windows show another list window as a child of the main window. The main window
// installs itself at start; without it the window is shown on its own.
void SetChildWindowHost(std::function<void(QWidget*)> host);
void ShowChildWindow(QWidget* form);
