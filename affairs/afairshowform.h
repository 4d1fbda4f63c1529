#pragma once

#include <QDialog>
#include <QList>

#include "clients/contractrows.h"

class FoxText;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The detail view of one dated affair, shown modal from the affair list: the affair as text, its
// done and closed switches (for its owner) and the contact entries of its client and the client's
// company with their actions. It keeps its own colours (no skin).
class AFairShowForm : public QDialog
{
    Q_OBJECT

public:
    explicit AFairShowForm(QWidget* parent = nullptr);

    // The affair shown; set before the window is shown.
    qint32 AffairID = 0;
    // Whether the progress frame is shown (only the affair's owner may change its progress).
    void setProgressShown(bool shown);

    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check1 = nullptr; // done
    QCheckBox* Check2 = nullptr; // closed
    QListWidget* List1 = nullptr;
    FoxText* Text1 = nullptr;
    QPushButton* Command2 = nullptr; // the entry's action
    QPushButton* Command1 = nullptr; // copy

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void loadContacts(qint32 clientId, qint32 companyId);
    void layOut();
    void Check1_Click();
    void SaveProgress();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

    QList<StoredContract> m_contacts;
    bool ProgressLoading = false;
    bool m_progressShown = true;
    bool m_loaded = false;
};
