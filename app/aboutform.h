#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the program's about text and one button. The window takes its size from the
// text: 1200 twips wider than the text, the button centred 180 twips below it and 540 twips above
// the window's lower edge.
class AboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit AboutForm(QWidget* parent = nullptr);

    // The about text: lines separated by a carriage return and a line feed.
    static QString aboutText();
    // Sizes the window and places the button from the label's size.
    void arrange();

    QLabel* Label1 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    void Command2_Click();
};
