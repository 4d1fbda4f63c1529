#pragma once

#include <QApplication>

// The program's application object. An error that no handler caught (a database or file error,
// a refused property value) is shown in a message box and ends the program, as a run-time error
// always did; unsaved work is safe because every multi-row save is one transaction.
class Application : public QApplication
{
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error and ends the program with exit code 1.
    static void reportFatal(const QString& text);
};
