#include "core/inputtext.h"

#include "platform/prompts.h"

QString InputText(const QString& Prompt, const QString& Title, const QString& DefaultText, bool OnlyNumber,
                  bool UserDot, const QString& PasswordChar, bool SelAll)
{
    return prompts().inputBox(Prompt, Title, DefaultText, {OnlyNumber, UserDot, PasswordChar, SelAll});
}
