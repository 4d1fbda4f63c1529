#pragma once

#include "analysis/analysisframe.h"

// Clients per value of one client classification: a child window of the main window.
class AnalyseForm3 : public AnalysisFrame
{
    Q_OBJECT

public:
    explicit AnalyseForm3(QWidget* parent = nullptr);

    // The number of clients at the last run.
    qint32 TotalClients = 0;

    void AanBut_Click(int Index) override;

protected:
    void arrange(int windowWidth, int windowHeight) override;

private:
    void Form_Load();
};
