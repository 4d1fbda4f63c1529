#pragma once

#include <QWidget>

// The affair list with its reminder views: a child window of the main window.
class AffairManageForm : public QWidget
{
    Q_OBJECT

public:
    explicit AffairManageForm(QWidget* parent = nullptr);

    // Shows the affairs of one client (the client list calls it after showing the window).
    void OtherSearch(qint32& ClientId);
};
