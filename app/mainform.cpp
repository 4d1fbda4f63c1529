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

// The smallest frame, in twips.
constexpr int MinWidth = 11490;
constexpr int MinHeight = 8617;

QPointer<MainForm> s_current;

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
            QAction* skin = m_skinMenu->addAction(QString());
            skin->setObjectName(QStringLiteral("GetSkin"));
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
            QAction* classItem = m_classMenu->addAction(QString());
            classItem->setObjectName(QStringLiteral("ClientClass"));
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
    ChooseFontSize(Index);
    checkFontItem(Index);
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
