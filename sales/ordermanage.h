#pragma once

#include <vector>

#include <QWidget>

class FoxText;
class Grid;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class VsNetBut;

// The order list: a child window of the main window. Lists orders by state, company, contact
// person, number and user, shows the clicked order's lines as entered and expanded, and opens the
// order dialog, the check dialog and the order sheets.
class OrderManage : public QWidget
{
    Q_OBJECT

public:
    explicit OrderManage(QWidget* parent = nullptr);

    // 0 已完成, 1 未完成, 2 所有.
    std::vector<QRadioButton*> Option1;
    QWidget* Picture2 = nullptr;
    FoxText* Text4 = nullptr;
    FoxText* FoxText1 = nullptr;
    FoxText* OrderIDTxt = nullptr;
    QLabel* SelUserLabel = nullptr;
    QComboBox* SelUserCombo = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut3 = nullptr;
    VsNetBut* VsNetBut4 = nullptr;
    VsNetBut* VsNetBut5 = nullptr;
    VsNetBut* VsNetBut6 = nullptr;
    VsNetBut* VsNetBut7 = nullptr;
    VsNetBut* VsNetBut8 = nullptr;
    Grid* Grid1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    Grid* Grid2 = nullptr;
    QGroupBox* Frame2 = nullptr;
    Grid* Grid3 = nullptr;

    void Form_Load();
    // Searches with the filters as they stand and fills the list.
    void RefreshOrderList();
    // Fills the two line grids with an order's lines.
    void ShowOrderLines(qint32 orderId);
    // Lays out and fills the order sheet of an order (its own lines, in the variant set in the
    // sheet window's IsMul).
    void FillOrderPrint(qint32 OrderId);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFilters();
    void buildGrids();
    void connectFilters();
    void filterChanged();
    void setCompanyFilter(qint32 id);
    void setClientFilter(qint32 id);
    void pickCompany();
    void pickClient();
    void Command5_Click();
    void Grid1_Click();
    void renumber(Grid* grid, int sortedColumn);
    // The order of the selected list row, or 0 after the message asking for one.
    qint32 selectedOrder(const QString& message);
    void VsNetBut2_Click();
    void VsNetBut3_Click();
    void VsNetBut4_Click();
    void printSheet(bool isMul);

    qint32 SelCompanyId = 0;
    qint32 SelClientId = 0;
    bool SearchBusy = false;
    bool m_filling = false;
    bool m_searchAgain = false;
    bool m_loaded = false;
};
