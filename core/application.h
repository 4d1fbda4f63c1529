#pragma once

#include <QApplication>
#include <QStringList>

class DbBusyError;

// The faces of the windows' text, in the order they are tried for each character: Latin text in
// DejaVu Sans (fonts-dejavu-core), whose line fits the text boxes' fixed heights at every font
// size; Chinese text in the Simplified Chinese face of Noto Sans CJK (fonts-noto-cjk), the face
// the print font is written from.
inline const QStringList WindowFontFamilies{QStringLiteral("DejaVu Sans"),
                                            QStringLiteral("Noto Sans CJK SC")};

// The program's application object. An error that no handler caught (a database or file error,
// a refused property value) is shown in a message box and ends the program, as a run-time error
// always did; unsaved work is safe because every multi-row save is one transaction. A database
// file that stayed busy ends nothing: the user is told, the window stays as it was with whatever
// was typed in it, the save wrote nothing and can be tried again.
class Application : public QApplication
{
public:
    // Gives every window the program's one look (style and font family), whatever the desktop and
    // the locale.
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error and ends the program with exit code 1.
    static void reportFatal(const QString& text);
    // Tells the user that the file is busy and the work can be tried again.
    static void reportBusy(const DbBusyError& error);
    // Tests see the errors that would end the program leave notify() as they came (true by default:
    // the program ends).
    static void setFatalErrorsEndProgram(bool end);
};
