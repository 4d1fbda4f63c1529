#pragma once

#include <QDialog>

// The product dialog, shown modal.
class ProductAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit ProductAddForm(QWidget* parent = nullptr);

    // The product to edit; 0 = a new product.
    qint32 GetProductId = 0;
};
