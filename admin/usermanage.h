#pragma once

#include <vector>

#include <QDialog>

class FoxText;
class QComboBox;
class VsNetBut;
struct OwnSettings;

// The logged-in user's own settings: a new login password and the mail account, with a test
// mail sent from the account to itself. Loads from the session when built.
class UserManage : public QDialog
{
    Q_OBJECT

public:
    explicit UserManage(QWidget* parent = nullptr);

    // The two separators of the band.
    std::vector<VsNetBut*> VsNetBut1;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut3 = nullptr;
    VsNetBut* VsNetBut9 = nullptr;

    FoxText* FoxText1 = nullptr;
    FoxText* FoxText2 = nullptr;
    FoxText* FoxText3 = nullptr;
    FoxText* FoxText4 = nullptr;
    FoxText* FoxText5 = nullptr;
    QComboBox* Combo2 = nullptr;

private:
    void Form_Load();
    void VsNetBut2_Click();
    void VsNetBut3_Click();
    // The fields as they stand.
    OwnSettings typed() const;
};
