#pragma once

#include <QDialog>

// The bundle dialog, shown modal.
class ProductMulAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit ProductMulAddForm(QWidget* parent = nullptr);

    // The bundle to edit; 0 = a new bundle.
    qint32 GetProductMulId = 0;
};
