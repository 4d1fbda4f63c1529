#pragma once

#include <QWidget>

// Clients per value of one classification: a child window of the main window.
class AnalyseForm3 : public QWidget
{
    Q_OBJECT

public:
    explicit AnalyseForm3(QWidget* parent = nullptr);
};
