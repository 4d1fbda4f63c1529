#pragma once

#include <QDialog>

class VsNetBut;

// The client dialog, shown modal.
class ClientAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit ClientAddForm(QWidget* parent = nullptr);

    // The client to edit; 0 = a new client.
    qint32 ClientId = 0;
    // The save button; a caller disables it to show a record for viewing only.
    VsNetBut* VsNetBut2 = nullptr;
};
