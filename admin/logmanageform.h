#pragma once

#include <vector>

#include <QWidget>

class DateField;
class FoxDate;
class FoxText;
class Grid;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class VsNetBut;

// The operation-log viewer, a child window of the main window: the log filtered by date window,
// user (for users who may see all users), operation and object class, newest first, with each
// object's name. It never writes. Loads when built.
class LogManageForm : public QWidget
{
    Q_OBJECT

public:
    explicit LogManageForm(QWidget* parent = nullptr);

    // The band at the top: VsNetBut1 and VsNetBut8 are separators.
    VsNetBut* VsNetBut1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut8 = nullptr;
    VsNetBut* VsNetBut7 = nullptr;

    // 0 今日, 1 两日内, 2 三日内, 3 七日内, 4 全部, 5 指定日期.
    std::vector<QRadioButton*> Option1;
    FoxText* Text3 = nullptr;
    FoxDate* FoxDate1 = nullptr;
    // Holds Option2 (0 单日, 1 范围); shown only with 指定日期.
    QWidget* Picture1 = nullptr;
    std::vector<QRadioButton*> Option2;
    QLabel* SelUserLabel = nullptr;
    QComboBox* SelUserCombo = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* Command1 = nullptr;
    Grid* Grid1 = nullptr;

    // Builds the query from the filters and fills the list again.
    void SearchLog();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildBand();
    void buildFilters();
    void buildGrid();
    void Form_Load();
    void Option1_Click(int Index);
    void filterClick();
    void dayPicked();
    void dayUnreadable();
    void Command1_Click();

    DateField* m_dateField = nullptr;
    // While true the filter controls' clicks do not search (they are being set from code).
    bool SuppressRefresh = false;
    bool m_placed = false;
};
