#pragma once

#include <QStringList>

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

    // The classification tables as they were when the window loaded, one per button: a later
    // change of the classifications reaches the window when it is opened again.
    QStringList m_classTables;
};
