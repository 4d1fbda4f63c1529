#pragma once

#include <vector>

#include <QDialog>

class FoxText;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// User groups with their rights (Frame1), the users of the selected group (Frame2), the move of a
// user to another group (Frame3, shown in place of the first two) and the order of all users
// (Frame4). Every change is stored at once. The built-in group 1 is never shown. Loads when built.
class GroupManageForm : public QDialog
{
    Q_OBJECT

public:
    explicit GroupManageForm(QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr;
    FoxText* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command5 = nullptr;

    QGroupBox* Frame2 = nullptr;
    QListWidget* List2 = nullptr;
    FoxText* FoxText1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;

    QGroupBox* Frame3 = nullptr;
    QListWidget* List3 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;

    QGroupBox* Frame4 = nullptr;
    QListWidget* List4 = nullptr;
    // 0 moves the selected user up, 1 down.
    std::vector<QPushButton*> Command10;

private:
    void buildGroupFrame();
    void buildUserFrame();
    void buildMoveFrame();
    void buildOrderFrame();

    void Form_Load();
    void FillAllUsers();
    void List1_Click();
    void List2_Click();
    void List4_Click();
    void Command1_Click();
    void Command5_Click();
    void Command2_Click();
    void Command3_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click(int Index);
    void Command4_Click();
    void setUserButtons(bool enabled);
    void showMoving(bool moving);
};
