#pragma once

#include <QWidget>

// The month-by-month trend: a child window of the main window.
class AnalyseForm2 : public QWidget
{
    Q_OBJECT

public:
    explicit AnalyseForm2(QWidget* parent = nullptr);
};
