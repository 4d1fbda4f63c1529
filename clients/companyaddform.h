#pragma once

#include <QDialog>

// The company dialog, shown modal.
class CompanyAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit CompanyAddForm(QWidget* parent = nullptr);

    // The company to edit; 0 = a new company.
    qint32 CompanyId = 0;
};
