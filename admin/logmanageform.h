#pragma once

#include <QWidget>

// The operation-log viewer: a child window of the main window.
class LogManageForm : public QWidget
{
    Q_OBJECT

public:
    explicit LogManageForm(QWidget* parent = nullptr);
};
