#pragma once

#include <functional>

class QAbstractButton;
class QObject;

// Runs handler at each Click of an option button: when the option becomes selected, by the user
// or from code, and also when the user clicks the option that is already selected, which changes
// nothing and so raises no toggled signal of its own. The connections live as long as context.
void OnOptionClick(QAbstractButton* option, QObject* context, const std::function<void()>& handler);
