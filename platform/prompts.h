#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QPrinter;

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

// How the input box's text box takes input: digits only, one decimal point as well, a masking
// character, the whole text selected on focus.
struct InputOptions
{
    bool onlyNumber = false;
    bool userDot = false;
    QString passwordChar;
    bool selAll = false;
};

// Every question the program puts to its user goes through here, so that tests can answer them.
class Prompts
{
public:
    virtual ~Prompts() = default;

    // A message box; an empty title means the application's title.
    virtual MsgResult message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) = 0;
    // The input box: the typed text, or "" when cancelled.
    virtual QString inputText(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // The same with the options of the box's text box; services without them ask plainly.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                             const InputOptions& options)
    {
        return inputText(prompt, title, defaultText);
    }
    // A file to open, starting in folder ("" = the dialog's own choice): its path, or "" when
    // cancelled.
    virtual QString chooseFile(const QString& title, const QString& filter, const QString& folder = QString()) = 0;
    // Opens a web address with the desktop; false when nothing could open it.
    virtual bool openLink(const QString& url) = 0;
    // Starts a program detached; its process id, or 0 when it could not be started.
    virtual qint64 startProgram(const QString& program, const QStringList& arguments) = 0;
    // Shows a print preview whose pages `paint` draws on the printer it is given.
    virtual void printPreview(const QString& title, const std::function<void(QPrinter*)>& paint) = 0;
};

// The service in use: the Qt one unless a test or the application installed another.
Prompts& prompts();
// Installs a service (not owned); nullptr restores the Qt one.
void setPrompts(Prompts* service);

// The title of message boxes that have none of their own.
QString applicationTitle();

// Shorthand for the common message box.
MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok, const QString& title = QString(),
                 MsgIcon icon = MsgIcon::None);
