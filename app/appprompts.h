#pragma once

#include "platform/qtprompts.h"

// The program's prompts: the Qt ones, except that the input box is the program's own window.
// main installs one for the life of the program.
class AppPrompts : public QtPrompts
{
public:
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText) override;

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     const InputOptions& options) override;
};
