#pragma once

#include <vector>

#include <QWidget>

class QLabel;
class QListWidget;
class QRadioButton;
class VsNetBut;

// The list of the user's own recurring affairs, filtered by kind, with the description of the
// selected one: a child window of the main window.
class AffairRegularManageform : public QWidget
{
    Q_OBJECT

public:
    explicit AffairRegularManageform(QWidget* parent = nullptr);

    // The kinds "循环", "每日", "每周", "每月", "每年" (index = RegularType) and "全部" (5).
    std::vector<QRadioButton*> Option1;
    QListWidget* List1 = nullptr;
    QLabel* Label1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr; // new
    VsNetBut* VsNetBut3 = nullptr; // change
    VsNetBut* VsNetBut4 = nullptr; // delete
    VsNetBut* VsNetBut5 = nullptr; // close

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Option1_Click(int Index);
    void List1_Click();
    void VsNetBut2_Click();
    void VsNetBut3_Click();
    void VsNetBut4_Click();
    // The selected recurring affair's key; 0 (after the message titled title) when none is selected.
    qint32 selectedId(const QString& title) const;

    bool m_loaded = false;
};
