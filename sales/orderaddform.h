#pragma once

#include <QDialog>

// The order entry dialog, shown modal.
class OrderAddform : public QDialog
{
    Q_OBJECT

public:
    explicit OrderAddform(QWidget* parent = nullptr);

    // The order to edit; 0 = a new order.
    qint32 OrderID = 0;
    // The chosen company and contact person; 0 = none.
    qint32 CompanyId = 0;
    qint32 ClientId = 0;
};
