#pragma once

#include <QWidget>

class FoxText;
class QComboBox;
class QLabel;
class VsNetBut;

// The first window of the program and the window of a change of user: a user list and a password
// box. After a successful login it emits loggedIn (the main window opens there) and closes itself;
// it deletes itself on closing. Building it runs its Load, which opens the database for a moment:
// an engine error then comes out of the constructor.
class LoginForm : public QWidget
{
    Q_OBJECT

public:
    explicit LoginForm(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label2 = nullptr;
    FoxText* FoxText1 = nullptr;
    VsNetBut* VsNetBut1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut3 = nullptr;
    QLabel* NoChange = nullptr;

Q_SIGNALS:
    // The session holds the user now; the database is closed.
    void loggedIn();

private:
    void Form_Load();
    void arrange();
    void VsNetBut1_Click();
    void VsNetBut2_Click();
    void VsNetBut3_Click();
    void FoxText1_KeyPress(int& KeyAscii);
};
