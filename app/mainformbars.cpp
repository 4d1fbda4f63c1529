// The menus and the tool band of the main window.
#include "app/mainform.h"

#include <QMenu>
#include <QMenuBar>
#include <QMdiArea>
#include <QVBoxLayout>

#include "controls/toolband.h"
#include "controls/vsnetbut.h"
#include "core/adoptedprograms.h"
#include "platform/twips.h"

namespace {

// The toolbar panel is 855 twips high; its buttons sit side by side in one row.
constexpr int QuickMenuHeight = TwipsToPixels(855);
constexpr int ToolButtonWidth = 58;
constexpr int ToolButtonHeight = 49;
constexpr int ToolButtonTop = (QuickMenuHeight - ToolButtonHeight) / 2;
constexpr int GroupFrameWidth = 12;

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
