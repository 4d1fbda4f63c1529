#include "controls/optionclick.h"

#include <memory>

#include <QAbstractButton>

void OnOptionClick(QAbstractButton* option, QObject* context, const std::function<void()>& handler)
{
    QObject::connect(option, &QAbstractButton::toggled, context, [handler](bool on) {
        if (on)
            handler();
    });
    // Whether the option was selected when the click began: a click that selects it has been
    // handled through toggled already.
    auto selectedAtPress = std::make_shared<bool>(false);
    QObject::connect(option, &QAbstractButton::pressed, context,
                     [option, selectedAtPress] { *selectedAtPress = option->isChecked(); });
    QObject::connect(option, &QAbstractButton::clicked, context, [handler, selectedAtPress] {
        if (*selectedAtPress)
            handler();
        *selectedAtPress = false;
    });
}
