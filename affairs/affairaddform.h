#pragma once

#include <QDialog>

class DateField;
class FoxDate;
class FoxText;
class FoxTextMu;
class QComboBox;
class QPushButton;
class VsNetBut;

// The one-off affair dialog, shown modal: every save adds one new affair. A caller that presets
// the client sets ClientId, writes the client's name into FoxText1 and disables Command1 and
// Command2 before showing it.
class AffairAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit AffairAddForm(QWidget* parent = nullptr);

    // The related client; 0 = none.
    qint32 ClientId = 0;

    FoxText* FoxText4 = nullptr;     // name
    FoxText* Text3 = nullptr;        // day, from the calendar
    FoxText* FoxText2 = nullptr;     // reminder lead in days
    QComboBox* Combo1 = nullptr;     // way
    QComboBox* Combo2 = nullptr;     // type
    FoxText* FoxText1 = nullptr;     // the related client's name
    QPushButton* Command1 = nullptr; // choose the client
    QPushButton* Command2 = nullptr; // clear the client
    FoxTextMu* FoxTextMu1 = nullptr; // remark
    FoxDate* FoxDate1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr; // save
    VsNetBut* VsNetBut7 = nullptr; // close

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Text3_Unreadable();
    void Command1_Click();
    void Command2_Click();
    void VsNetBut2_Click();

    DateField* m_dates = nullptr;
    bool m_loaded = false;
};
