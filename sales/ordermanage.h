#pragma once

#include <QWidget>

// The order list: a child window of the main window.
class OrderManage : public QWidget
{
    Q_OBJECT

public:
    explicit OrderManage(QWidget* parent = nullptr);
};
