#pragma once

#include <QVector>

#include "analysis/analysisframe.h"

class FoxDate;
class FoxText;
class MonthInput;

// One month's users ranked by orders, sales or gross profit: a child window of the main window.
class AnalyseForm : public AnalysisFrame
{
    Q_OBJECT

public:
    explicit AnalyseForm(QWidget* parent = nullptr);

    MonthInput* Month = nullptr; // Label8, Text3, FoxDate1, NextMonth
    FoxText* Text3 = nullptr;
    FoxDate* FoxDate1 = nullptr;
    QVector<VsNetBut*> NextMonth;

    void AanBut_Click(int Index) override;

protected:
    void arrange(int windowWidth, int windowHeight) override;

private:
    void Form_Load();
};
