#pragma once

#include <QString>

// The program's input box, through the prompt service: returns the typed text, or "" when the user
// cancels. OnlyNumber admits digits only, UserDot a decimal point as well; the first character of
// PasswordChar masks the text; SelAll selects the whole text when the box gets the focus.
QString InputText(const QString& Prompt, const QString& Title, const QString& DefaultText,
                  bool OnlyNumber = false, bool UserDot = false, const QString& PasswordChar = QString(),
                  bool SelAll = false);
