#pragma once

#include <QDialog>

class VsNetBut;

// The company dialog, shown modal.
class CompanyAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit CompanyAddForm(QWidget* parent = nullptr);

    // The company to edit; 0 = a new company.
    qint32 CompanyId = 0;
    // The save button; a caller disables it to show a record for viewing only.
    VsNetBut* VsNetBut2 = nullptr;
};
