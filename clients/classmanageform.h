#pragma once

#include <vector>

#include <QDialog>

class FoxText;
class QListWidget;
class QPushButton;

// The editor of one classification table (ClassTable): adds values, renames them and moves them
// up and down; it never deletes one. Every change is stored at once.
//
// The caller sets tabName, then the caption (setCaption loads the window from that table),
// may hide Command2, and shows the window modal.
class ClassManageForm : public QDialog
{
    Q_OBJECT

public:
    explicit ClassManageForm(QWidget* parent = nullptr);

    // The table edited; set before the caption.
    QString tabName;

    // The window caption, which also names new values and the rename message. The first call
    // loads the window.
    QString Caption() const;
    void setCaption(const QString& caption);

    QListWidget* List1 = nullptr;
    FoxText* FoxText1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    // 0 moves the selected value up, 1 down.
    std::vector<QPushButton*> Command1;

private:
    void Form_Load();
    void List1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command1_Click(int Index);
    void SaveOrder();

    bool m_loaded = false;
};
