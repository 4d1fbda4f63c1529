#pragma once

#include <QDialog>

// The logged-in user's own settings, shown modal.
class UserManage : public QDialog
{
    Q_OBJECT

public:
    explicit UserManage(QWidget* parent = nullptr);
};
