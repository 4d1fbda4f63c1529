#pragma once

#include "platform/qtprompts.h"

// The program's prompts: the Qt ones, except that the input box is the program's own window.
// main installs one for the life of the program.
class AppPrompts : public QtPrompts
{
public:
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText) override;

    // The input box with the options of its text box (see InputText).
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText, bool onlyNumber,
                     bool userDot, const QString& passwordChar, bool selAll);
};
