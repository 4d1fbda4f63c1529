#pragma once

#include <vector>

#include <QWidget>

class FoxText;
class Grid;
class QComboBox;
class QLabel;
class QPushButton;
class VsNetBut;

// The company list: a child window of the main window, built like the client list without
// classification filters, card, export, affair actions or double-click action.
class CompanyManageForm : public QWidget
{
    Q_OBJECT

public:
    explicit CompanyManageForm(QWidget* parent = nullptr);

    QWidget* Picture1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;    // 新增公司
    VsNetBut* VsNetBut3 = nullptr;    // 修改公司
    VsNetBut* VsNetBut10 = nullptr;   // 打印清单
    VsNetBut* VsNetBut9 = nullptr;    // 退 出
    std::vector<VsNetBut*> VsNetBut1; // separators
    QLabel* SelUserLabel = nullptr;
    QComboBox* SelUserCombo = nullptr;
    QLabel* Label1 = nullptr;
    FoxText* FoxText1 = nullptr;
    QPushButton* Command4 = nullptr;
    Grid* Grid1 = nullptr;

    void Search();
    void Command4_Click();
    void VsNetBut2_Click();
    void VsNetBut3_Click();
    void VsNetBut10_Click();
    void VsNetBut9_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool SuspendSearch = false;
    bool m_placed = false;
};
