#pragma once

#include <QDialog>

class FoxText;
class QCheckBox;
class QLabel;
class VsNetBut;

// The check dialog of one order: the real sell price, checked and finished. Opened modal by the
// order list, which presets Text1, Check1 and Check2 and updates its row from Saved.
class OrderCheckForm : public QDialog
{
    Q_OBJECT

public:
    explicit OrderCheckForm(QWidget* parent = nullptr);

    // The order checked; set before the dialog loads.
    qint32 OrderID = 0;

    QLabel* Label1 = nullptr;
    FoxText* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut9 = nullptr;

    void Form_Load();

Q_SIGNALS:
    // The check was stored: the price as typed and the two ticks.
    void Saved(const QString& realSell, bool checked, bool finished);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void VsNetBut2_Click();

    bool m_loaded = false;
};
