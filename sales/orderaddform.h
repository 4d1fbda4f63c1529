#pragma once

#include <vector>

#include <QDialog>

class DateField;
class FoxDate;
class FoxText;
class FoxTextMu;
class Grid;
struct LineGrid;
class QGroupBox;
class QPushButton;
class VsNetBut;

// The order dialog: a new order or a stored one with its company, contact person, delivery date,
// remark and lines. Shown modal; the caller sets OrderID (and may disable VsNetBut2 and Command8
// for a view-only order) first and refreshes its own list afterwards.
class OrderAddform : public QDialog
{
    Q_OBJECT

public:
    explicit OrderAddform(QWidget* parent = nullptr);

    // The order to edit; 0 = a new order.
    qint32 OrderID = 0;
    // The chosen company and contact person; 0 = none.
    qint32 CompanyId = 0;
    qint32 ClientId = 0;

    // The texts of the grid's type column.
    QString SinType;
    QString MulType;

    FoxText* OrderIDTxt = nullptr;
    FoxText* Text4 = nullptr;
    FoxText* FoxText1 = nullptr;
    FoxText* Text3 = nullptr;
    FoxDate* FoxDate1 = nullptr;
    FoxTextMu* Text7 = nullptr;
    QGroupBox* Frame2 = nullptr;
    Grid* Grid1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    // 0 adds a single product, 1 a bundle.
    std::vector<QPushButton*> Command5;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut4 = nullptr;
    VsNetBut* VsNetBut5 = nullptr;
    VsNetBut* VsNetBut7 = nullptr;

    void Form_Load();
    // Fills the dialog from OrderID, or empties it for a new order.
    void LoadOrder();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildHeader();
    void buildLines();
    void setCompany(qint32 id);
    void setClient(qint32 id);
    void Command5_Click(int Index);
    void Command7_Click();
    void Command8_Click();
    void VsNetBut2_Click();
    void VsNetBut7_Click();
    LineGrid lines() const;

    DateField* m_dateField = nullptr;
    bool m_loaded = false;
};
