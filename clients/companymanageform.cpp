#include "clients/companymanageform.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

#include "clients/companyaddform.h"
#include "clients/formlayout.h"
#include "controls/dropdownfit.h"
#include "clients/listsearch.h"
#include "clients/listwindow.h"
#include "controls/foxtext.h"
#include "controls/listgrid.h"
#include "controls/ownerfilter.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/formplacement.h"
#include "core/formsizelimits.h"
#include "core/globalform.h"
#include "core/printgrid.h"
#include "core/session.h"
#include "platform/grid.h"
#include "platform/twips.h"

namespace {

constexpr int FilterTop = 960;
constexpr int FilterHeight = 330;

} // namespace

CompanyManageForm::CompanyManageForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CompanyManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("公司管理"));

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, 0, TwipsToPixels(8775), TwipsToPixels(855));
    const auto button = [this](const QString& name, const QString& caption, int left,
                               void (CompanyManageForm::*handler)()) {
        VsNetBut* b = AddToolButton(Picture1, name, caption, left);
        connect(b, &VsNetBut::Click, this, handler);
        return b;
    };
    VsNetBut2 = button(QStringLiteral("VsNetBut2"), QStringLiteral("新增公司"), 180,
                       &CompanyManageForm::VsNetBut2_Click);
    VsNetBut3 = button(QStringLiteral("VsNetBut3"), QStringLiteral("修改公司"), 1080,
                       &CompanyManageForm::VsNetBut3_Click);
    VsNetBut10 = button(QStringLiteral("VsNetBut10"), QStringLiteral("打印清单"), 2100,
                        &CompanyManageForm::VsNetBut10_Click);
    VsNetBut9 = button(QStringLiteral("VsNetBut9"), QStringLiteral("退 出"), 3120,
                       &CompanyManageForm::VsNetBut9_Click);
    int i = 0;
    for (int left : {1980, 3000})
        VsNetBut1.push_back(
            AddToolButton(Picture1, QStringLiteral("VsNetBut1_%1").arg(i++), QString(), left));

    SelUserLabel = new QLabel(QStringLiteral("选择用户："), this);
    SelUserLabel->setObjectName(QStringLiteral("SelUserLabel"));
    SelUserLabel->setGeometry(TwipsRect(120, FilterTop + 60, 1080, 300));
    SelUserCombo = new QComboBox(this);
    SelUserCombo->setObjectName(QStringLiteral("SelUserCombo"));
    SelUserCombo->setGeometry(TwipsRect(1200, FilterTop, 1800, FilterHeight));
    connect(SelUserCombo, &QComboBox::currentIndexChanged, this, [this] {
        if (!SuspendSearch)
            Search();
    });
    Label1 = new QLabel(QStringLiteral("输入公司查询，支持模糊查询："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsRect(3120, FilterTop + 60, 2880, 300));
    FoxText1 = NewTextBox(this, QStringLiteral("FoxText1"));
    FoxText1->moveTwips(6000, FilterTop, 1800, FoxText1->Height());
    connect(FoxText1, &FoxText::Change, this, &CompanyManageForm::Search);
    Command4 = new QPushButton(QStringLiteral("全部"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    Command4->setGeometry(TwipsRect(7860, FilterTop, 700, FilterHeight));
    connect(Command4, &QPushButton::clicked, this, &CompanyManageForm::Command4_Click);
    Grid1 = new Grid(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->move(TwipsToPixels(120), TwipsToPixels(FilterTop + 480));

    // Load.
    SuspendSearch = true;
    ApplySkinToForm(this);
    FitHeightToFont(SelUserCombo);
    SetFormSizeLimits(this, 8775, 7005, 0, 0);
    FillOwnerFilter(SelUserCombo, SelUserLabel);
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("公司ID"), 0},
                      {QStringLiteral("公司全称"), 320},
                      {QStringLiteral("公司简称"), 100},
                      {QStringLiteral("用 户"), CanSeeAllUser ? 80 : 0}});
    Grid1->setAllowUserSort(true);
    Search();
    SuspendSearch = false;
}

void CompanyManageForm::Search()
{
    const QString text = TrimText(FoxText1->Text());
    if (text != FoxText1->Text()) {
        FoxText1->setText(text);
        return;
    }
    SearchCompanies(Grid1, {ChosenOwner(SelUserCombo), text});
}

void CompanyManageForm::Command4_Click()
{
    // Unlike the client list, the owner filter stays.
    if (!FoxText1->Text().isEmpty())
        FoxText1->setText(QString());
    else
        Search();
}

void CompanyManageForm::VsNetBut2_Click()
{
    CompanyAddForm* form = GlobalForm<CompanyAddForm>::get(window());
    form->CompanyId = 0;
    form->exec();
    Search();
}

void CompanyManageForm::VsNetBut3_Click()
{
    const qint32 id = SelectedKey(Grid1);
    if (id == 0)
        return;
    const bool own = MayChange(QStringLiteral("company"), QStringLiteral("companyid"), id,
                               QStringLiteral("这不是您创建的公司，你只能查看，无法修改。"));
    CompanyAddForm* form = GlobalForm<CompanyAddForm>::get(window());
    if (form->VsNetBut2)
        form->VsNetBut2->setEnabled(own);
    form->CompanyId = id;
    form->exec();
    Search();
}

void CompanyManageForm::VsNetBut10_Click()
{
    PrintGrid(Grid1, QStringLiteral("公司清单"), QString(), false, -1, 0);
}

void CompanyManageForm::VsNetBut9_Click()
{
    close();
}

void CompanyManageForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    Grid1->resize(width() - TwipsToPixels(360), height() - Grid1->y() - TwipsToPixels(640));
    Picture1->resize(width(), Picture1->height());
}

void CompanyManageForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        PlaceInMainWindow(this, 0.4);
    }
}
