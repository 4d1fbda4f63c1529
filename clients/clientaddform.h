#pragma once

#include <QDialog>

// The client dialog, shown modal.
class ClientAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit ClientAddForm(QWidget* parent = nullptr);

    // The client to edit; 0 = a new client.
    qint32 ClientId = 0;
};
