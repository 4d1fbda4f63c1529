#pragma once

class FoxText;
class QPushButton;
class QWidget;

// The related client's name box and its choose and clear buttons, shared by both affair dialogs.
struct ClientPickControls
{
    FoxText* name = nullptr;
    QPushButton* choose = nullptr;
    QPushButton* clear = nullptr;
};

// Creates the three controls on dialog (hidden until the dialog's layout places them).
ClientPickControls CreateClientPickControls(QWidget* dialog);
