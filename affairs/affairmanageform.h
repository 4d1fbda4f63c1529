#pragma once

#include <vector>

#include <QWidget>

struct AffairFilter;
class FoxText;
class Grid;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class VsNetBut;

// The affair list with its reminder views: a child window of the main window. Opening it first
// generates the affairs of today and the next two days, then lists today's reminders.
class AffairManageForm : public QWidget
{
    Q_OBJECT

public:
    explicit AffairManageForm(QWidget* parent = nullptr);

    // Shows the affairs of one client over all days (the client list calls it after showing the
    // window); an id without a client row changes nothing.
    void OtherSearch(qint32& ClientId);

    // The client filter; 0 = none.
    qint32 ClientId = 0;

    // Date window: "今日之前", "今天", "明天", "后天", "全部".
    std::vector<QRadioButton*> Option3;
    // Done: "已完成", "未完成", "所有"; closed: "已关闭", "未关闭", "所有".
    std::vector<QRadioButton*> Option1;
    std::vector<QRadioButton*> Option2;
    QWidget* Option2Panel = nullptr;
    QComboBox* Combo1 = nullptr;     // way
    QComboBox* Combo2 = nullptr;     // type
    FoxText* FoxText1 = nullptr;     // the client filter's name
    QPushButton* Command3 = nullptr; // choose the client
    QPushButton* Command2 = nullptr; // clear the client
    QPushButton* Command4 = nullptr; // refresh
    QPushButton* Command1 = nullptr; // default conditions
    QLabel* SelUserLabel = nullptr;
    QComboBox* SelUserCombo = nullptr;
    Grid* Grid1 = nullptr;
    VsNetBut* VsNetBut2 = nullptr; // recurring affairs
    VsNetBut* VsNetBut3 = nullptr; // new one-off affair
    VsNetBut* VsNetBut4 = nullptr; // print
    VsNetBut* VsNetBut6 = nullptr; // close

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A click on the panel of the closed options, beside them, searches too.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFilters();
    void buildGrid();
    void Form_Load();
    void SearchAffairs();
    AffairFilter currentFilter() const;
    // Sets filter controls from code, then searches once.
    template <typename Set> void setFiltersAndSearch(Set set);
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    void Grid1_DblClick();
    void VsNetBut2_Click();
    void VsNetBut3_Click();
    void VsNetBut4_Click();

    bool SearchSuspended = false;
    bool SkipNextDblClick = false;
    bool m_loaded = false;
};
