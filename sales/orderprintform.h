#pragma once

#include <QDialog>

class Grid;
class QLabel;
class VsNetBut;

// The printable sheet of one order, editable by hand before printing (edits are not stored).
// The order list sets IsMul, fills the sheet (OrderManage::FillOrderPrint) and shows it modal.
class OrderPrintForm : public QDialog
{
    Q_OBJECT

public:
    explicit OrderPrintForm(QWidget* parent = nullptr);

    // True: the sheet of the lines as entered ("主单明细"); false: of the expanded lines ("清单明细").
    bool IsMul = false;

    QLabel* Label1 = nullptr;
    Grid* Grid1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut9 = nullptr;

    // Skin and caption; runs once, at the latest when the window is first shown.
    void Form_Load();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_loaded = false;
};
