#include "app/mainform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/groupmanageform.h"
#include "admin/logmanageform.h"
#include "admin/usermanage.h"
#include "affairs/affairaddform.h"
#include "affairs/affairmanageform.h"
#include "affairs/affairregularmanageform.h"
#include "affairs/childwindow.h"
#include "analysis/analyseform.h"
#include "analysis/analyseform2.h"
#include "analysis/analyseform3.h"
#include "clients/classmanageform.h"
#include "clients/classtable.h"
#include "clients/clientaddform.h"
#include "clients/clientmanageform.h"
#include "clients/companyaddform.h"
#include "clients/companymanageform.h"
#include "controls/vsnetbut.h"
#include "app/aboutform.h"
#include "core/adoptedprograms.h"
#include "core/backup.h"
#include "core/dblayer.h"
#include "core/formsizelimits.h"
#include "app/loginform.h"
#include "app/mainformlogic.h"
#include "core/session.h"
#include "controls/skincolors.h"
#include "controls/toolband.h"
#include "core/skins.h"
#include "platform/prompts.h"
#include "platform/twips.h"
#include "platform/x11windows.h"
#include "sales/orderaddform.h"
#include "sales/ordermanage.h"
#include "sales/productaddform.h"
#include "sales/productmanage.h"
#include "sales/productmuladdform.h"

namespace {

// The toolbar panel is 855 twips high; its buttons sit side by side in one row.
constexpr int QuickMenuHeight = TwipsToPixels(855);
constexpr int ToolButtonWidth = 58;
constexpr int ToolButtonHeight = 49;
constexpr int ToolButtonTop = (QuickMenuHeight - ToolButtonHeight) / 2;
constexpr int GroupFrameWidth = 12;
// The smallest frame, in twips.
constexpr int MinWidth = 11490;
constexpr int MinHeight = 8617;

QPointer<MainForm> s_current;

QAction* named(QAction* action, const QString& name)
{
    action->setObjectName(name);
    return action;
}

QAction* separator(QMenu* menu, const QString& name)
{
    return named(menu->addSeparator(), name);
}

} // namespace

MainForm::MainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    s_current = this;

    m_programs = new AdoptedPrograms(this);
    connect(m_programs, &AdoptedPrograms::buttonEnabledChanged, this,
            [this](int Index, bool enabled) { VsNetBut9[Index]->setEnabled(enabled); });
    connect(m_programs, &AdoptedPrograms::windowFound, this, &MainForm::takeInProgram);
    connect(m_programs, &AdoptedPrograms::windowClosed, this,
            [this](int Index, quintptr) { releaseProgram(Index); });

    buildMenus();
    buildToolbar();
    // The affair list opens the recurring-affair list as a child window too.
    SetChildWindowHost([](QWidget* form) {
        if (MainForm* main = MainForm::instance())
            main->showChildWindow(form);
        else
            form->show();
    });
    Form_Load();
}

MainForm::~MainForm() = default;

MainForm* MainForm::instance()
{
    return s_current.data();
}

quintptr MainForm::NotepadWindow() const
{
    return m_programs->NotepadWindow();
}

quintptr MainForm::CalcWindow() const
{
    return m_programs->CalcWindow();
}

const QTimer& MainForm::Timer1() const
{
    return m_programs->Timer1();
}

void MainForm::buildMenus()
{
    const auto item = [this](QMenu* menu, const QString& name, const QString& caption,
                             void (MainForm::*handler)()) {
        QAction* action = named(menu->addAction(caption), name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto submenu = [](QMenu* menu, const QString& name, const QString& caption) {
        QMenu* sub = menu->addMenu(caption);
        named(sub->menuAction(), name);
        return sub;
    };

    QMenu* system = menuBar()->addMenu(QStringLiteral("系统管理"));
    SystemManageClick = named(system->menuAction(), QStringLiteral("SystemManageClick"));
    UserManageMenu = item(system, QStringLiteral("UserManageMenu"), QStringLiteral("公司资料"),
                          &MainForm::UserManageMenu_Click);
    GroupManageClick = item(system, QStringLiteral("GroupManageClick"), QStringLiteral("群组用户管理"),
                            &MainForm::GroupManageClick_Click);
    SystempStep1 = separator(system, QStringLiteral("SystempStep1"));
    UserManageClick = item(system, QStringLiteral("UserManageClick"), QStringLiteral("个人资料"),
                           &MainForm::UserManageClick_Click);
    ChangeUserClick = item(system, QStringLiteral("ChangeUserClick"), QStringLiteral("切换用户"),
                           &MainForm::ChangeUserClick_Click);
    SystempStep2 = separator(system, QStringLiteral("SystempStep2"));
    QMenu* baseData = submenu(system, QStringLiteral("BaseDataEditManage"), QStringLiteral("数据维护"));
    BaseDataEditManage = baseData->menuAction();
    BaseDataBackupManage = item(baseData, QStringLiteral("BaseDataBackupManage"), QStringLiteral("数据备份"),
                                &MainForm::BaseDataBackupManage_Click);
    BaseDataZipManage = item(baseData, QStringLiteral("BaseDataZipManage"), QStringLiteral("数据压缩整理"),
                             &MainForm::BaseDataZipManage_Click);
    SystempStep3 = separator(system, QStringLiteral("SystempStep3"));
    ExitSystem =
        item(system, QStringLiteral("ExitSystem"), QStringLiteral("退出(&X)"), &MainForm::ExitSystem_Click);

    QMenu* data = menuBar()->addMenu(QStringLiteral("数据操作"));
    DataManageClick = named(data->menuAction(), QStringLiteral("DataManageClick"));
    QMenu* clients = submenu(data, QStringLiteral("ClientDataClick"), QStringLiteral("客户资料"));
    ClientDataClick = clients->menuAction();
    ClientManageClick = item(clients, QStringLiteral("ClientManageClick"), QStringLiteral("客户管理"),
                             &MainForm::ClientManageClick_Click);
    ClientAddClick = item(clients, QStringLiteral("ClientAddClick"), QStringLiteral("新增客户"),
                          &MainForm::ClientAddClick_Click);
    CompanyManageClick = item(clients, QStringLiteral("CompanyManageClick"), QStringLiteral("公司管理"),
                              &MainForm::CompanyManageClick_Click);
    CompanyAddClick = item(clients, QStringLiteral("CompanyAddClick"), QStringLiteral("新增公司"),
                           &MainForm::CompanyAddClick_Click);
    QMenu* affairs = submenu(data, QStringLiteral("CopmanyDataClick"), QStringLiteral("事务资料"));
    CopmanyDataClick = affairs->menuAction();
    AffairManageClick = item(affairs, QStringLiteral("AffairManageClick"), QStringLiteral("事务管理"),
                             &MainForm::AffairManageClick_Click);
    AffairTempClick = item(affairs, QStringLiteral("AffairTempClick"), QStringLiteral("新增临时事务"),
                           &MainForm::AffairTempClick_Click);
    AffairRegularClick = item(affairs, QStringLiteral("AffairRegularClick"), QStringLiteral("新增常规事务"),
                              &MainForm::AffairRegularClick_Click);
    QMenu* products = submenu(data, QStringLiteral("ProductManageMenu"), QStringLiteral("商品资料"));
    ProductManageMenu = products->menuAction();
    ProductManageClick = item(products, QStringLiteral("ProductManageClick"), QStringLiteral("商品管理"),
                              &MainForm::ProductManageClick_Click);
    ProductSinClick = item(products, QStringLiteral("ProductSinClick"), QStringLiteral("新增单件商品"),
                           &MainForm::ProductSinClick_Click);
    ProductMulClick = item(products, QStringLiteral("ProductMulClick"), QStringLiteral("新增组合商品"),
                           &MainForm::ProductMulClick_Click);
    QMenu* orders = submenu(data, QStringLiteral("OrderManageMenu"), QStringLiteral("订单资料"));
    OrderManageMenu = orders->menuAction();
    OrderManageClick = item(orders, QStringLiteral("OrderManageClick"), QStringLiteral("定单管理"),
                            &MainForm::OrderManageClick_Click);
    OrderAddClick = item(orders, QStringLiteral("OrderAddClick"), QStringLiteral("新增定单"),
                         &MainForm::OrderAddClick_Click);
    DataManageStep2 = separator(data, QStringLiteral("DataManageStep2"));
    m_classMenu = submenu(data, QStringLiteral("ClassManageClick"), QStringLiteral("分类管理"));
    ClassManageClick = m_classMenu->menuAction();
    UnitClassManageClick = item(m_classMenu, QStringLiteral("UnitClassManageClick"),
                                QStringLiteral("计量单位"), &MainForm::UnitClassManageClick_Click);
    DataManageStep22 = separator(m_classMenu, QStringLiteral("DataManageStep22"));
    ClientSixClass = item(m_classMenu, QStringLiteral("ClientSixClass"), QStringLiteral("六种分类名称"),
                          &MainForm::ClientSixClass_Click);
    DataManageStep21 = separator(m_classMenu, QStringLiteral("DataManageStep21"));
    // Shown once a classification names it.
    QAction* firstClass =
        named(m_classMenu->addAction(QStringLiteral("客户类别")), QStringLiteral("ClientClass"));
    firstClass->setVisible(false);
    connect(firstClass, &QAction::triggered, this, [this] { ClientClass_Click(0); });
    ClientClass.push_back(firstClass);

    QMenu* analysis = menuBar()->addMenu(QStringLiteral("数据分析"));
    DataAnaylseManage = named(analysis->menuAction(), QStringLiteral("DataAnaylseManage"));
    AnalyseClientMenu = item(analysis, QStringLiteral("AnalyseClientMenu"), QStringLiteral("客户分析"),
                             &MainForm::AnalyseClientMenu_Click);
    MonthAnaClick = item(analysis, QStringLiteral("MonthAnaClick"), QStringLiteral("月度分析"),
                         &MainForm::MonthAnaClick_Click);
    YearAnaylseClick = item(analysis, QStringLiteral("YearAnaylseClick"), QStringLiteral("周期分析"),
                            &MainForm::YearAnaylseClick_Click);
    AnaStep1 = separator(analysis, QStringLiteral("AnaStep1"));
    LogManageClick = item(analysis, QStringLiteral("LogManageClick"), QStringLiteral("查看日志"),
                          &MainForm::LogManageClick_Click);

    m_skinMenu = menuBar()->addMenu(QStringLiteral("更换皮肤"));
    ChangeSkin = named(m_skinMenu->menuAction(), QStringLiteral("ChangeSkin"));
    QMenu* fonts = submenu(m_skinMenu, QStringLiteral("FontSizeSet"), QStringLiteral("字体大小"));
    FontSizeSet = fonts->menuAction();
    const QStringList fontCaptions{QStringLiteral("小"), QStringLiteral("中"), QStringLiteral("大")};
    for (int k = 1; k <= 3; ++k) {
        FontSet[k] = named(fonts->addAction(fontCaptions.at(k - 1)), QStringLiteral("FontSet"));
        FontSet[k]->setCheckable(true);
        connect(FontSet[k], &QAction::triggered, this, [this, k] { FontSet_Click(k); });
    }
    SkinSetp1 = separator(m_skinMenu, QStringLiteral("SkinSetp1"));
    QAction* firstSkin = named(m_skinMenu->addAction(QStringLiteral("皮肤1")), QStringLiteral("GetSkin"));
    firstSkin->setCheckable(true);
    connect(firstSkin, &QAction::triggered, this, [this] { GetSkin_Click(0); });
    GetSkin.push_back(firstSkin);

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    HelpMe = named(help->menuAction(), QStringLiteral("HelpMe"));
    AboutClick =
        item(help, QStringLiteral("AboutClick"), QStringLiteral("关于"), &MainForm::AboutClick_Click);
}

void MainForm::buildToolbar()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Frame"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QuickMenu = new QWidget(central);
    QuickMenu->setObjectName(QStringLiteral("QuickMenu"));
    QuickMenu->setFixedHeight(QuickMenuHeight);
    layout->addWidget(QuickMenu);
    MdiArea = new QMdiArea(central);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    layout->addWidget(MdiArea, 1);
    setCentralWidget(central);

    ToolBand band(QuickMenu, 2, {ToolButtonTop, ToolButtonWidth, ToolButtonHeight, GroupFrameWidth});
    const auto button = [this, &band](const QString& name, const QString& caption,
                                      void (MainForm::*handler)()) {
        VsNetBut* b = band.addButton(name, caption);
        if (handler)
            connect(b, &VsNetBut::Click, this, handler);
        return b;
    };
    const auto groupFrame = [this, &band] {
        VsNetBut1.push_back(band.addSeparator(QStringLiteral("VsNetBut1")));
    };

    VsNetBut2 =
        button(QStringLiteral("VsNetBut2"), QStringLiteral("客户管理"), &MainForm::ClientManageClick_Click);
    VsNetBut3 =
        button(QStringLiteral("VsNetBut3"), QStringLiteral("公司管理"), &MainForm::CompanyManageClick_Click);
    groupFrame();
    VsNetBut6 =
        button(QStringLiteral("VsNetBut6"), QStringLiteral("事务管理"), &MainForm::AffairManageClick_Click);
    VsNetBut7 =
        button(QStringLiteral("VsNetBut7"), QStringLiteral("商品管理"), &MainForm::ProductManageClick_Click);
    VsNetBut8 =
        button(QStringLiteral("VsNetBut8"), QStringLiteral("订单管理"), &MainForm::OrderManageClick_Click);
    groupFrame();
    VsNetBut12 =
        button(QStringLiteral("VsNetBut12"), QStringLiteral("客户分析"), &MainForm::AnalyseClientMenu_Click);
    VsNetBut10 =
        button(QStringLiteral("VsNetBut10"), QStringLiteral("月度分析"), &MainForm::MonthAnaClick_Click);
    VsNetBut11 =
        button(QStringLiteral("VsNetBut11"), QStringLiteral("周期分析"), &MainForm::YearAnaylseClick_Click);
    VsNetBut5 =
        button(QStringLiteral("VsNetBut5"), QStringLiteral("查看日志"), &MainForm::LogManageClick_Click);
    groupFrame();
    for (int k = 0; k < AdoptedPrograms::ToolCount; ++k) {
        VsNetBut* b = button(QStringLiteral("VsNetBut9"), AdoptedPrograms::displayNameOf(k), nullptr);
        connect(b, &VsNetBut::Click, this, [this, k] { m_programs->VsNetBut9Click(k); });
        VsNetBut9.push_back(b);
    }
    groupFrame();
    VsNetBut4 = button(QStringLiteral("VsNetBut4"), QStringLiteral("退 出"), &MainForm::ExitSystem_Click);
}

void MainForm::Form_Load()
{
    applyRights();
    // The connection comes before the skin: a skin that has to fall back is corrected in the
    // user's row, which needs the connection.
    OpenDatabase();
    ApplySkin(SkinId);
    checkFontItem(FontSetIndex(UserFontSize));
    setWindowTitle(MainFormCaption());
    ApplySkinToForm(this);
    SetFormSizeLimits(this, MinWidth, MinHeight, 0, 0);

    const QStringList skinNames = SkinMenuNames();
    for (int i = 0; i < int(skinNames.size()); ++i) {
        if (i >= int(GetSkin.size())) {
            QAction* skin = named(m_skinMenu->addAction(QString()), QStringLiteral("GetSkin"));
            skin->setCheckable(true);
            connect(skin, &QAction::triggered, this, [this, i] { GetSkin_Click(i); });
            GetSkin.push_back(skin);
        }
        GetSkin[i]->setText(skinNames.at(i));
    }
    checkSkinItem();

    m_loaded = BuildSixClass(true);
}

void MainForm::applyRights()
{
    // Taken once: a change of the group's rights counts from the next login.
    GroupManageClick->setVisible(CanUserManage);
    SystempStep1->setVisible(CanUserManage);
    ClassManageClick->setVisible(CanChangeClass);
    DataManageStep2->setVisible(CanChangeClass);
    ProductSinClick->setEnabled(CanChangeClass);
    ProductMulClick->setEnabled(CanChangeClass);
}

void MainForm::checkFontItem(int index)
{
    for (int k = 1; k <= 3; ++k)
        FontSet[k]->setChecked(k == index);
}

void MainForm::checkSkinItem()
{
    for (int i = 0; i < int(GetSkin.size()); ++i)
        GetSkin[i]->setChecked(i == SkinId - 1);
}

bool MainForm::BuildSixClass(bool atLoad)
{
    const SixClassification six = ReadSixClassification();
    if (!six.usable) {
        SixClassTables.clear();
        SixClassNames.clear();
        MsgBox(atLoad ? SixClassLoadMessage() : SixClassEditMessage());
        return false;
    }
    SixClassTables = six.tables;
    SixClassNames = six.names;
    for (int i = 0; i < int(SixClassNames.size()); ++i) {
        if (i >= int(ClientClass.size())) {
            QAction* classItem = named(m_classMenu->addAction(QString()), QStringLiteral("ClientClass"));
            connect(classItem, &QAction::triggered, this, [this, i] { ClientClass_Click(i); });
            ClientClass.push_back(classItem);
        }
        ClientClass[i]->setText(SixClassNames.at(i));
        ClientClass[i]->setVisible(true);
    }
    // Items beyond the classifications (none unless the table changed meanwhile) are not offered.
    for (int i = int(SixClassNames.size()); i < int(ClientClass.size()); ++i)
        ClientClass[i]->setVisible(false);
    return true;
}

void MainForm::showChildWindow(QWidget* form)
{
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    if (!sub || sub->mdiArea() != MdiArea) {
        const QSize size = form->size();
        sub = MdiArea->addSubWindow(form);
        // The frame fits around the window at the size the window gave itself.
        const QMargins frame = sub->contentsMargins();
        sub->resize(size.grownBy(frame));
        // A window that closes itself takes its frame along (queued: the frame may be the one
        // deleting it).
        connect(form, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
    }
    if (sub->isMinimized())
        sub->showNormal();
    else
        sub->show();
    MdiArea->setActiveSubWindow(sub);
}

template <typename Form, typename Prepare> void MainForm::showModal(Prepare prepare)
{
    Form* form = GlobalForm<Form>::get(this);
    prepare(form);
    // The dialog deletes itself when it closes.
    form->exec();
}

void MainForm::takeInProgram(int Index, quintptr window)
{
    QWidget* container = EmbedForeignWindow(window, nullptr);
    if (!container)
        return;
    container->setWindowTitle(AdoptedPrograms::displayNameOf(Index));
    // The program is closed from its own menu; the watch then removes its frame.
    QMdiSubWindow* sub =
        MdiArea->addSubWindow(container, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowMinMaxButtonsHint);
    sub->resize(480, 360);
    sub->show();
    m_adopted[Index] = sub;
}

void MainForm::releaseProgram(int Index)
{
    if (m_adopted[Index])
        m_adopted[Index]->close();
}

void MainForm::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        MdiArea->closeAllSubWindows();
        CloseDatabase();
        Q_EMIT unloaded(m_changingUser);
    }
    QMainWindow::closeEvent(event);
}

void MainForm::UserManageMenu_Click()
{
    ChangeOwnCompanyName();
}

void MainForm::GroupManageClick_Click()
{
    showModal<GroupManageForm>([](GroupManageForm*) {});
}

void MainForm::UserManageClick_Click()
{
    showModal<UserManage>([](UserManage*) {});
}

void MainForm::ChangeUserClick_Click()
{
    m_changingUser = true;
    close();
}

void MainForm::BaseDataBackupManage_Click()
{
    DatabaseMaintenance(true, [this](bool inUse) { setEnabled(inUse); });
}

void MainForm::BaseDataZipManage_Click()
{
    DatabaseMaintenance(false, [this](bool inUse) { setEnabled(inUse); });
}

void MainForm::ExitSystem_Click()
{
    close();
}

void MainForm::ClientManageClick_Click()
{
    openChild<ClientManageForm>();
}

void MainForm::ClientAddClick_Click()
{
    showModal<ClientAddForm>([](ClientAddForm* form) { form->ClientId = 0; });
}

void MainForm::CompanyManageClick_Click()
{
    openChild<CompanyManageForm>();
}

void MainForm::CompanyAddClick_Click()
{
    showModal<CompanyAddForm>([](CompanyAddForm* form) { form->CompanyId = 0; });
}

void MainForm::AffairManageClick_Click()
{
    openChild<AffairManageForm>();
}

void MainForm::AffairTempClick_Click()
{
    showModal<AffairAddForm>([](AffairAddForm*) {});
}

void MainForm::AffairRegularClick_Click()
{
    // The item opens the list of recurring affairs, from which they are added.
    openChild<AffairRegularManageform>();
}

void MainForm::ProductManageClick_Click()
{
    openChild<ProductManage>();
}

void MainForm::ProductSinClick_Click()
{
    showModal<ProductAddForm>([](ProductAddForm* form) { form->GetProductId = 0; });
}

void MainForm::ProductMulClick_Click()
{
    showModal<ProductMulAddForm>([](ProductMulAddForm* form) { form->GetProductMulId = 0; });
}

void MainForm::OrderManageClick_Click()
{
    openChild<OrderManage>();
}

void MainForm::OrderAddClick_Click()
{
    showModal<OrderAddform>([](OrderAddform* form) { form->OrderID = 0; });
}

void MainForm::UnitClassManageClick_Click()
{
    showModal<ClassManageForm>([](ClassManageForm* form) {
        form->tabName = QStringLiteral("ProductUnit");
        form->setCaption(QStringLiteral("计量单位管理"));
    });
}

void MainForm::ClientSixClass_Click()
{
    showModal<ClassManageForm>([](ClassManageForm* form) {
        form->tabName = ClassTable::SixClassTable;
        form->setCaption(QStringLiteral("六种分类名称"));
        // The number of classifications is fixed.
        form->Command2->setVisible(false);
    });
    if (!BuildSixClass(false))
        close();
}

void MainForm::ClientClass_Click(int Index)
{
    if (Index < 0 || Index >= int(SixClassTables.size()))
        return;
    showModal<ClassManageForm>([Index](ClassManageForm* form) {
        form->tabName = SixClassTables.at(Index);
        form->setCaption(SixClassNames.at(Index));
    });
}

void MainForm::AnalyseClientMenu_Click()
{
    openChild<AnalyseForm3>();
}

void MainForm::MonthAnaClick_Click()
{
    openChild<AnalyseForm>();
}

void MainForm::YearAnaylseClick_Click()
{
    openChild<AnalyseForm2>();
}

void MainForm::LogManageClick_Click()
{
    openChild<LogManageForm>();
}

void MainForm::FontSet_Click(int Index)
{
    checkFontItem(Index);
    ChooseFontSize(Index);
}

void MainForm::GetSkin_Click(int Index)
{
    // A skin whose file is missing leaves the current one in force, still checked.
    ApplySkin(Index + 1);
    checkSkinItem();
    ApplySkinToForm(this);
}

void MainForm::AboutClick_Click()
{
    AboutForm about(this);
    about.exec();
}

MainForm* ShowMainForm()
{
    auto* form = new MainForm;
    QObject::connect(form, &MainForm::unloaded, qApp, [](bool changeUser) {
        if (changeUser)
            ShowLoginForm();
        else
            QCoreApplication::quit();
    });
    if (!form->Loaded()) {
        form->close();
        return nullptr;
    }
    form->show();
    return form;
}

LoginForm* ShowLoginForm()
{
    auto* login = new LoginForm;
    QObject::connect(login, &LoginForm::loggedIn, qApp, [] { ShowMainForm(); });
    login->show();
    return login;
}
