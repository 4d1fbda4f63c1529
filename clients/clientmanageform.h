#pragma once

#include <QWidget>

// The client list: a child window of the main window.
class ClientManageForm : public QWidget
{
    Q_OBJECT

public:
    explicit ClientManageForm(QWidget* parent = nullptr);
};
