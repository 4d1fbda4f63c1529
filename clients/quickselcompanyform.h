#pragma once

#include <QDialog>

class FoxText;
class QListWidget;
class QPushButton;

// The client/company picker (see QuickSelect): lists the logged-in user's own clients or
// companies, narrowed on every change of the search box by pinyin initials or by name, and keeps
// the id of the row the user confirms. Whatever the user's rights, other users' rows never show.
class QuickSelCompanyForm : public QDialog
{
    Q_OBJECT

public:
    explicit QuickSelCompanyForm(QWidget* parent = nullptr);

    // Set before the window is shown: true picks from client, false from company.
    bool SelTypeIsClient = false;
    // The id confirmed in this opening; 0 when none was.
    qint32 SelId = 0;

    FoxText* FoxText1 = nullptr;
    QPushButton* Command4 = nullptr; // "全部": clears the search
    QPushButton* Command1 = nullptr; // "选择": confirms the selected row
    QPushButton* Command2 = nullptr; // "取消"
    QListWidget* List1 = nullptr;

    // Refills the list from the search text (trimmed and written back).
    void Search();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Command1_Click();
    void Command4_Click();

    bool m_loaded = false;
    bool m_searching = false;
};
