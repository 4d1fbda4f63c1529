#pragma once

#include <vector>

#include <QDialog>

class DateField;
class FoxDate;
class FoxText;
class FoxTextMu;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class VsNetBut;

// The recurring-affair dialog, shown modal: adds or changes one recurring affair and, on saving,
// replaces its dated affairs from today on. The caller sets AffairRegularId before showing it; a
// caller that presets the client sets ClientId, writes the client's name into FoxText1 and disables
// Command1 and Command2.
class AffairRegularAdd : public QDialog
{
    Q_OBJECT

public:
    explicit AffairRegularAdd(QWidget* parent = nullptr);

    // The recurring affair to change; 0 = a new one.
    qint32 AffairRegularId = 0;
    // The related client; 0 = none.
    qint32 ClientId = 0;

    FoxText* FoxText4 = nullptr; // name
    QComboBox* Combo1 = nullptr; // way
    QComboBox* Combo2 = nullptr; // type
    FoxText* FoxText1 = nullptr; // the related client's name
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    FoxTextMu* FoxTextMu1 = nullptr; // remark
    QGroupBox* Frame1 = nullptr;
    // The kinds "循环", "每日", "每周", "每月", "每年"; the index is RegularType.
    std::vector<QRadioButton*> Option1;
    QLabel* Label8 = nullptr;
    // 0: month and day of the yearly kind; 1: start day of the every-N-days kind.
    std::vector<FoxText*> Text3;
    FoxText* FoxText3 = nullptr; // cycle in days
    QLabel* Label4 = nullptr;
    QComboBox* Combo3 = nullptr; // weekday
    QComboBox* Combo4 = nullptr; // day of the month
    QLabel* Label9 = nullptr;
    FoxText* FoxText2 = nullptr; // reminder lead in days
    FoxDate* FoxDate1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr; // save
    VsNetBut* VsNetBut7 = nullptr; // close

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildScheduleFrame();
    void Form_Load();
    void loadAffair();
    void Option1_Click(int Index);
    void Text3_Unreadable(int Index);
    void FoxDate1_Picked(int Index);
    void Command1_Click();
    void Command2_Click();
    void VsNetBut2_Click();

    qint16 CurKind = -1;
    std::vector<std::vector<QWidget*>> m_kindControls;
    DateField* m_dates = nullptr;
    bool m_loaded = false;
};
