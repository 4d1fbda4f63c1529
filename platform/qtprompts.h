#pragma once

#include "platform/prompts.h"

// The prompts shown as real dialogs.
class QtPrompts : public Prompts
{
public:
    MsgResult message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString chooseFile(const QString& title, const QString& filter, const QString& folder = QString()) override;
    bool openLink(const QString& url) override;
    qint64 startProgram(const QString& program, const QStringList& arguments) override;
    void printPreview(const QString& title, const std::function<void(QPrinter*)>& paint) override;
};
