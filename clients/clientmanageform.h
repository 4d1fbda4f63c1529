#pragma once

#include <vector>

#include <QStringList>
#include <QWidget>

class FoxText;
class Grid;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class VsNetBut;

// The client list: a child window of the main window. It lists the user's clients (every user's
// for a user who may see them all), narrowed by name or pinyin initials, by each classification
// and by owner, and offers the actions on the selected client.
class ClientManageForm : public QWidget
{
    Q_OBJECT

public:
    explicit ClientManageForm(QWidget* parent = nullptr);

    QWidget* Picture1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;    // 新增客户
    VsNetBut* VsNetBut3 = nullptr;    // 修改客户
    VsNetBut* VsNetBut4 = nullptr;    // 详细资料
    VsNetBut* VsNetBut5 = nullptr;    // 导出全部
    VsNetBut* VsNetBut6 = nullptr;    // 常规事务
    VsNetBut* VsNetBut7 = nullptr;    // 临时事务
    VsNetBut* VsNetBut8 = nullptr;    // 事务汇总
    VsNetBut* VsNetBut10 = nullptr;   // 打印客户
    VsNetBut* VsNetBut9 = nullptr;    // 退 出
    std::vector<VsNetBut*> VsNetBut1; // separators
    QGroupBox* ClassFrame = nullptr;
    std::vector<QLabel*> ClassLabel;
    std::vector<QComboBox*> ClassCombo;
    QLabel* SelUserLabel = nullptr;
    QComboBox* SelUserCombo = nullptr;
    QLabel* Label1 = nullptr;
    FoxText* FoxText1 = nullptr;
    QPushButton* Command4 = nullptr;
    Grid* Grid1 = nullptr;

    // The classification tables the filter boxes were built from (kept for the window's life).
    QStringList classTables() const { return m_classTables; }

    void Search();
    void Command4_Click();
    void VsNetBut2_Click();
    void VsNetBut3_Click();
    void VsNetBut4_Click();
    void VsNetBut5_Click();
    void VsNetBut6_Click();
    void VsNetBut7_Click();
    void VsNetBut8_Click();
    void VsNetBut10_Click();
    void VsNetBut9_Click();
    void Grid1_DblClick();
    void Grid1_BeforeUserSort();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildToolbar();
    void buildFilters();
    // Places the filters and the grid below them for the fonts the skin has set and the entries
    // the lists hold; the filter frame's width in twips.
    int arrangeFilters();
    // The selected client's id and name (0 after the message when none is selected).
    qint32 selectedClient(QString* name = nullptr);

    bool SuspendSearch = false;
    bool SkipNextDblClick = false;
    bool m_placed = false;
    QStringList m_classTables;
};
