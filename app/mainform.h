#pragma once

#include <array>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "core/globalform.h"

class AdoptedPrograms;
class LoginForm;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class VsNetBut;

// The program's frame for the session of one user: its menus and toolbar open every other
// window, list and analysis windows as children in its MDI area, everything else modal. The
// group's rights decide, at load, which menu items are offered. Closing it unloads the children
// and closes the database connection; the program ends then, unless the user asked to change
// the user, in which case the login window comes back.
class MainForm : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window and runs its load, which opens the database connection.
    explicit MainForm(QWidget* parent = nullptr);
    ~MainForm() override;

    // The main window of the session, or nullptr.
    static MainForm* instance();

    // False when the load found the classifications unusable; the window must be unloaded then.
    bool Loaded() const { return m_loaded; }

    // Shows a list or analysis window in the MDI area, or brings it forward when it is there.
    void showChildWindow(QWidget* form);
    // The global instance of a child window class, shown or brought forward.
    template <typename Form> Form* openChild()
    {
        Form* form = GlobalForm<Form>::get();
        showChildWindow(form);
        return form;
    }

    // The adopted text editor and calculator windows (0 = none) and their watch.
    quintptr NotepadWindow() const;
    quintptr CalcWindow() const;
    const QTimer& Timer1() const;
    AdoptedPrograms* programs() const { return m_programs; }

    // Menu "系统管理"
    QAction* SystemManageClick = nullptr;
    QAction* UserManageMenu = nullptr;
    QAction* GroupManageClick = nullptr;
    QAction* SystempStep1 = nullptr;
    QAction* UserManageClick = nullptr;
    QAction* ChangeUserClick = nullptr;
    QAction* SystempStep2 = nullptr;
    QAction* BaseDataEditManage = nullptr;
    QAction* BaseDataBackupManage = nullptr;
    QAction* BaseDataZipManage = nullptr;
    QAction* SystempStep3 = nullptr;
    QAction* ExitSystem = nullptr;
    // Menu "数据操作"
    QAction* DataManageClick = nullptr;
    QAction* ClientDataClick = nullptr;
    QAction* ClientManageClick = nullptr;
    QAction* ClientAddClick = nullptr;
    QAction* CompanyManageClick = nullptr;
    QAction* CompanyAddClick = nullptr;
    QAction* CopmanyDataClick = nullptr;
    QAction* AffairManageClick = nullptr;
    QAction* AffairTempClick = nullptr;
    QAction* AffairRegularClick = nullptr;
    QAction* ProductManageMenu = nullptr;
    QAction* ProductManageClick = nullptr;
    QAction* ProductSinClick = nullptr;
    QAction* ProductMulClick = nullptr;
    QAction* OrderManageMenu = nullptr;
    QAction* OrderManageClick = nullptr;
    QAction* OrderAddClick = nullptr;
    QAction* DataManageStep2 = nullptr;
    QAction* ClassManageClick = nullptr;
    QAction* UnitClassManageClick = nullptr;
    QAction* DataManageStep22 = nullptr;
    QAction* ClientSixClass = nullptr;
    QAction* DataManageStep21 = nullptr;
    // One item per classification; item 0 is there from the start, captioned "客户类别".
    std::vector<QAction*> ClientClass;
    // Menu "数据分析"
    QAction* DataAnaylseManage = nullptr;
    QAction* AnalyseClientMenu = nullptr;
    QAction* MonthAnaClick = nullptr;
    QAction* YearAnaylseClick = nullptr;
    QAction* AnaStep1 = nullptr;
    QAction* LogManageClick = nullptr;
    // Menu "更换皮肤"
    QAction* ChangeSkin = nullptr;
    QAction* FontSizeSet = nullptr;
    // Items 1 "小", 2 "中", 3 "大"; element 0 is not used.
    std::array<QAction*, 4> FontSet{};
    QAction* SkinSetp1 = nullptr;
    // One item per skin, item i for skin i + 1.
    std::vector<QAction*> GetSkin;
    // Menu "帮助"
    QAction* HelpMe = nullptr;
    QAction* AboutClick = nullptr;

    // The toolbar panel and its buttons; the four VsNetBut1 only frame the groups.
    QWidget* QuickMenu = nullptr;
    std::vector<VsNetBut*> VsNetBut1;
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut3 = nullptr;
    VsNetBut* VsNetBut4 = nullptr;
    VsNetBut* VsNetBut5 = nullptr;
    VsNetBut* VsNetBut6 = nullptr;
    VsNetBut* VsNetBut7 = nullptr;
    VsNetBut* VsNetBut8 = nullptr;
    // 0 the text editor, 1 the calculator.
    std::vector<VsNetBut*> VsNetBut9;
    VsNetBut* VsNetBut10 = nullptr;
    VsNetBut* VsNetBut11 = nullptr;
    VsNetBut* VsNetBut12 = nullptr;

    // The area of the child windows.
    QMdiArea* MdiArea = nullptr;

Q_SIGNALS:
    // The window is unloaded: its children are closed and so is the database connection.
    // changeUser when the user chose "切换用户".
    void unloaded(bool changeUser);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // mainformbars.cpp
    void buildMenus();
    void buildToolbar();
    void Form_Load();
    void applyRights();
    void checkFontItem(int index);
    void checkSkinItem();
    // Reads the classifications into the session and captions the ClientClass items; false
    // (after its message) when they are unusable.
    bool BuildSixClass(bool atLoad);
    void takeInProgram(int Index, quintptr window);
    void releaseProgram(int Index);
    template <typename Form, typename Prepare> void showModal(Prepare prepare);

    void UserManageMenu_Click();
    void GroupManageClick_Click();
    void UserManageClick_Click();
    void ChangeUserClick_Click();
    void BaseDataBackupManage_Click();
    void BaseDataZipManage_Click();
    void ExitSystem_Click();
    void ClientManageClick_Click();
    void ClientAddClick_Click();
    void CompanyManageClick_Click();
    void CompanyAddClick_Click();
    void AffairManageClick_Click();
    void AffairTempClick_Click();
    void AffairRegularClick_Click();
    void ProductManageClick_Click();
    void ProductSinClick_Click();
    void ProductMulClick_Click();
    void OrderManageClick_Click();
    void OrderAddClick_Click();
    void UnitClassManageClick_Click();
    void ClientSixClass_Click();
    void ClientClass_Click(int Index);
    void AnalyseClientMenu_Click();
    void MonthAnaClick_Click();
    void YearAnaylseClick_Click();
    void LogManageClick_Click();
    void FontSet_Click(int Index);
    void GetSkin_Click(int Index);
    void AboutClick_Click();

    QMenu* m_classMenu = nullptr;
    QMenu* m_skinMenu = nullptr;
    AdoptedPrograms* m_programs = nullptr;
    std::array<QPointer<QMdiSubWindow>, 2> m_adopted;
    bool m_loaded = false;
    bool m_changingUser = false;
    bool m_unloaded = false;
};

// After a successful login: builds the main window and shows it. When its load refuses to go on
// the window is unloaded at once, which ends the program, and the result is nullptr.
MainForm* ShowMainForm();

// Shows a new login window; its successful login shows the main window, whose change of user
// comes back here.
LoginForm* ShowLoginForm();
