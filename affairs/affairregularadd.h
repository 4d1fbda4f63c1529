#pragma once

#include <QDialog>

class FoxText;
class QPushButton;

// The recurring-affair dialog, shown modal. A caller that presets the client sets ClientId, writes
// the client's name into FoxText1 and disables Command1 and Command2.
class AffairRegularAdd : public QDialog
{
    Q_OBJECT

public:
    explicit AffairRegularAdd(QWidget* parent = nullptr);

    // The recurring affair to change; 0 = a new one.
    qint32 AffairRegularId = 0;
    // The related client; 0 = none.
    qint32 ClientId = 0;
    // The related client's name, and the buttons that choose and clear the client.
    FoxText* FoxText1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};
