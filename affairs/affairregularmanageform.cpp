#include "affairs/affairregularmanageform.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "affairs/affairformparts.h"
#include "affairs/affairregularadd.h"
#include "affairs/affairtoday.h"
#include "affairs/childwindow.h"
#include "affairs/regularaffair.h"
#include "controls/optionclick.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/formplacement.h"
#include "core/globalform.h"
#include "core/session.h"
#include "platform/prompts.h"

namespace {

constexpr int FormWidth = 560;
constexpr int FormHeight = 420;
constexpr int Margin = 10;
constexpr int OptionTop = AffairToolbar::Height + 8;
constexpr int ListTop = OptionTop + 30;
constexpr int ListWidth = 200;
constexpr int AllKinds = 5;

} // namespace

AffairRegularManageform::AffairRegularManageform(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AffairRegularManageform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("常规事务管理"));
    resize(FormWidth, FormHeight);

    AffairToolbar toolbar(this, FormWidth);
    toolbar.addSeparator();
    VsNetBut2 = toolbar.addButton(QStringLiteral("VsNetBut2"), QStringLiteral("新增事务"));
    VsNetBut3 = toolbar.addButton(QStringLiteral("VsNetBut3"), QStringLiteral("修改事务"));
    VsNetBut4 = toolbar.addButton(QStringLiteral("VsNetBut4"), QStringLiteral("删除事务"));
    toolbar.addSeparator();
    VsNetBut5 = toolbar.addButton(QStringLiteral("VsNetBut5"), QStringLiteral("退 出"));
    toolbar.addSeparator();

    const QStringList kinds{QStringLiteral("循环"), QStringLiteral("每日"), QStringLiteral("每周"),
                            QStringLiteral("每月"), QStringLiteral("每年"), QStringLiteral("全部")};
    for (int i = 0; i < kinds.size(); ++i) {
        auto* option = new QRadioButton(kinds.at(i), this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setGeometry(Margin + i * 70, OptionTop, 64, 22);
        OnOptionClick(option, this, [this, i] { Option1_Click(i); });
        Option1.push_back(option);
    }
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(Margin, ListTop, ListWidth, FormHeight - ListTop - Margin);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(2 * Margin + ListWidth, ListTop, FormWidth - 3 * Margin - ListWidth,
                        FormHeight - ListTop - Margin);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setWordWrap(true);

    connect(List1, &QListWidget::currentRowChanged, this, &AffairRegularManageform::List1_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &AffairRegularManageform::VsNetBut2_Click);
    connect(VsNetBut3, &VsNetBut::Click, this, &AffairRegularManageform::VsNetBut3_Click);
    connect(VsNetBut4, &VsNetBut::Click, this, &AffairRegularManageform::VsNetBut4_Click);
    connect(VsNetBut5, &VsNetBut::Click, this, &QWidget::close);
}

void AffairRegularManageform::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        Form_Load();
    QWidget::showEvent(event);
}

void AffairRegularManageform::Form_Load()
{
    m_loaded = true;
    ApplySkinToForm(this);
    PlaceInMainWindow(this, 0.4);
    Option1[AllKinds]->setChecked(true);
}

void AffairRegularManageform::Option1_Click(int Index)
{
    Label1->clear();
    QString sql = QStringLiteral("select * from AffairRegular where createuser = ?");
    QVariantList params{CurUserID};
    if (Index != AllKinds) {
        sql += QStringLiteral(" and RegularType = ?");
        params.append(Index);
    }
    sql += QStringLiteral(" order by AffairRegularID desc");
    FillList(List1, sql, QStringLiteral("AffairRegularname"), QStringLiteral("AffairRegularID"), QString(), 0,
             true, params);
}

void AffairRegularManageform::List1_Click()
{
    const int row = List1->currentRow();
    if (row >= 0)
        Label1->setText(RegularAffairDescription(ItemData(List1, row), AffairToday()));
}

qint32 AffairRegularManageform::selectedId(const QString& title) const
{
    if (List1->count() == 0 || List1->currentRow() < 0) {
        MsgBox(QStringLiteral("请先选择一个常规事务。"), MsgButtons::Ok, title);
        return 0;
    }
    return ItemData(List1, List1->currentRow());
}

void AffairRegularManageform::VsNetBut2_Click()
{
    AffairRegularAdd* dialog = GlobalForm<AffairRegularAdd>::get(this);
    dialog->AffairRegularId = 0;
    dialog->exec();
    if (Option1[AllKinds]->isChecked())
        Option1_Click(AllKinds);
    else
        Option1[AllKinds]->setChecked(true);
}

void AffairRegularManageform::VsNetBut3_Click()
{
    const qint32 id = selectedId(QStringLiteral("修改事务"));
    if (id == 0)
        return;
    AffairRegularAdd* dialog = GlobalForm<AffairRegularAdd>::get(this);
    dialog->AffairRegularId = id;
    dialog->exec();
    List1_Click();
}

void AffairRegularManageform::VsNetBut4_Click()
{
    const qint32 id = selectedId(QStringLiteral("删除事务"));
    if (id == 0)
        return;
    const QString question =
        QStringLiteral("删除常规事务，将一起删除以后的计划，以前的未完成的将转化为临时计划。") +
        QStringLiteral("\r\n\r\n你确定删除吗？");
    if (MsgBox(question, MsgButtons::OkCancel, QStringLiteral("删除事务")) != MsgResult::Ok)
        return;
    DeleteRegularAffair(id, AffairToday());
    const int row = List1->currentRow();
    {
        const QSignalBlocker quiet(List1);
        delete List1->takeItem(row);
        List1->setCurrentRow(-1);
    }
    if (List1->count() == 0)
        Label1->clear();
    else
        List1->setCurrentRow(qMin(row, List1->count() - 1));
}
