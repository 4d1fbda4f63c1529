#pragma once

#include <QVector>

#include "analysis/analysisframe.h"

class FoxDate;
class FoxText;
class MonthInput;
class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;

// Orders, sales or gross profit month by month for chosen users or the whole company: a child
// window of the main window.
class AnalyseForm2 : public AnalysisFrame
{
    Q_OBJECT

public:
    explicit AnalyseForm2(QWidget* parent = nullptr);

    MonthInput* Month = nullptr; // Label8, Text3, FoxDate1, NextMonth
    FoxText* Text3 = nullptr;
    FoxDate* FoxDate1 = nullptr;
    QVector<VsNetBut*> NextMonth;
    QLabel* Label2 = nullptr;
    QComboBox* Combo1 = nullptr;    // period: 3 to 12 months
    QListWidget* List1 = nullptr;   // users; the selected ones are the series
    QVector<QPushButton*> Command1; // "全部", "全否", "反选"
    QVector<QRadioButton*> Option1; // "三维", "平面"

    // While true, changes of the period, the users or the chart style run nothing.
    bool SuppressRefresh = false;

    void AanBut_Click(int Index) override;
    void Command1_Click(int Index);

protected:
    void arrange(int windowWidth, int windowHeight) override;

private:
    void Form_Load();
    void rerun();
};
