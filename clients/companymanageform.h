#pragma once

#include <QWidget>

// The company list: a child window of the main window.
class CompanyManageForm : public QWidget
{
    Q_OBJECT

public:
    explicit CompanyManageForm(QWidget* parent = nullptr);
};
