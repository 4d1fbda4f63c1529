#pragma once

#include <QWidget>

// The catalogue of products and bundles: a child window of the main window.
class ProductManage : public QWidget
{
    Q_OBJECT

public:
    explicit ProductManage(QWidget* parent = nullptr);
};
