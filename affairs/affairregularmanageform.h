#pragma once

#include <QWidget>

// The list of recurring affairs: a child window of the main window.
class AffairRegularManageform : public QWidget
{
    Q_OBJECT

public:
    explicit AffairRegularManageform(QWidget* parent = nullptr);
};
