#pragma once

#include <QWidget>

// Orders, sales and gross profit of one month per user: a child window of the main window.
class AnalyseForm : public QWidget
{
    Q_OBJECT

public:
    explicit AnalyseForm(QWidget* parent = nullptr);
};
