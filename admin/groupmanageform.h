#pragma once

#include <QDialog>

// User groups with their rights and the users in them, shown modal.
class GroupManageForm : public QDialog
{
    Q_OBJECT

public:
    explicit GroupManageForm(QWidget* parent = nullptr);
};
