#include "admin/groupmanageform.h"

#include <memory>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "admin/usergroups.h"
#include "controls/foxtext.h"
#include "controls/skincolors.h"
#include "core/dblayer.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace {

constexpr int Margin = 8;
constexpr int LeftWidth = 400;
constexpr int FrameHeight = 230;
constexpr int RightWidth = 260;
constexpr int FullHeight = 2 * FrameHeight + Margin;
// The column of name boxes, check boxes and buttons beside the lists of the left frames.
constexpr int SideLeft = 172;
constexpr int SideWidth = 216;
constexpr int ButtonHeight = 28;

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // Enter in a name box must not press a button.
    button->setAutoDefault(false);
    return button;
}

QListWidget* makeList(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setGeometry(geometry);
    return list;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

FoxText* makeNameBox(QWidget* parent, const QString& name, int top)
{
    FoxText* box = NewTextBox(parent, name);
    box->moveTwips(SideLeft * TwipsPerPixel, top * TwipsPerPixel, SideWidth * TwipsPerPixel, box->Height());
    return box;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

GroupManageForm::GroupManageForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GroupManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("群组及用户管理"));
    buildGroupFrame();
    buildUserFrame();
    buildMoveFrame();
    buildOrderFrame();
    setFixedSize(Margin + LeftWidth + Margin + RightWidth + Margin, Margin + FullHeight + Margin);
    Form_Load();
}

void GroupManageForm::buildGroupFrame()
{
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("用户组及权限"),
                       QRect(Margin, Margin, LeftWidth, FrameHeight));
    List1 = makeList(Frame1, QStringLiteral("List1"), QRect(10, 24, 150, 194));
    Label1 = makeLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("用户组名："),
                       QRect(SideLeft, 22, SideWidth, 20));
    Text1 = makeNameBox(Frame1, QStringLiteral("Text1"), 44);
    const auto check = [this](const QString& name, const QString& caption, int row) {
        auto* box = new QCheckBox(caption, Frame1);
        box->setObjectName(name);
        box->setGeometry(SideLeft, 76 + 24 * row, SideWidth, 22);
        return box;
    };
    Check1 = check(QStringLiteral("Check1"), QStringLiteral("可查看所有用户资料"), 0);
    Check2 = check(QStringLiteral("Check2"), QStringLiteral("可管理用户组"), 1);
    Check3 = check(QStringLiteral("Check3"), QStringLiteral("可修改分类及商品信息"), 2);
    Check4 = check(QStringLiteral("Check4"), QStringLiteral("订单审核权"), 3);
    Command1 = makeButton(Frame1, QStringLiteral("Command1"), QStringLiteral("新增用户组"),
                          QRect(SideLeft, 186, 72, ButtonHeight));
    Command2 = makeButton(Frame1, QStringLiteral("Command2"), QStringLiteral("删除用户组"),
                          QRect(SideLeft + 74, 186, 72, ButtonHeight));
    Command5 = makeButton(Frame1, QStringLiteral("Command5"), QStringLiteral("保 存"),
                          QRect(SideLeft + 148, 186, 68, ButtonHeight));
    Command2->setEnabled(false);
    Command5->setEnabled(false);

    connect(List1, &QListWidget::currentRowChanged, this, &GroupManageForm::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &GroupManageForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &GroupManageForm::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &GroupManageForm::Command5_Click);
}

void GroupManageForm::buildUserFrame()
{
    Frame2 = makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("[]用户信息"),
                       QRect(Margin, Margin + FrameHeight + Margin, LeftWidth, FrameHeight));
    List2 = makeList(Frame2, QStringLiteral("List2"), QRect(10, 24, 150, 194));
    makeLabel(Frame2, QStringLiteral("Label2"), QStringLiteral("用户名："),
              QRect(SideLeft, 22, SideWidth, 20));
    FoxText1 = makeNameBox(Frame2, QStringLiteral("FoxText1"), 44);
    Label3 = makeLabel(Frame2, QStringLiteral("Label3"),
                       QStringLiteral("新用户注册初始密码为：") + DefaultUserPassword,
                       QRect(SideLeft, 76, SideWidth, 40));
    Label3->setWordWrap(true);
    QPalette red = Label3->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label3->setPalette(red);
    const int half = (SideWidth - 4) / 2;
    Command3 = makeButton(Frame2, QStringLiteral("Command3"), QStringLiteral("新增用户"),
                          QRect(SideLeft, 150, half, ButtonHeight));
    Command4 = makeButton(Frame2, QStringLiteral("Command4"), QStringLiteral("删除用户"),
                          QRect(SideLeft + half + 4, 150, half, ButtonHeight));
    Command6 = makeButton(Frame2, QStringLiteral("Command6"), QStringLiteral("保存用户"),
                          QRect(SideLeft, 186, half, ButtonHeight));
    Command7 = makeButton(Frame2, QStringLiteral("Command7"), QStringLiteral("转移用户"),
                          QRect(SideLeft + half + 4, 186, half, ButtonHeight));
    Command3->setEnabled(false);
    setUserButtons(false);

    connect(List2, &QListWidget::currentRowChanged, this, &GroupManageForm::List2_Click);
    connect(Command3, &QPushButton::clicked, this, &GroupManageForm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &GroupManageForm::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &GroupManageForm::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &GroupManageForm::Command7_Click);
}

void GroupManageForm::buildMoveFrame()
{
    Frame3 = makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("转移至用户组"),
                       QRect(Margin, Margin, LeftWidth, FullHeight));
    List3 = makeList(Frame3, QStringLiteral("List3"), QRect(10, 24, 260, FullHeight - 36));
    Command8 = makeButton(Frame3, QStringLiteral("Command8"), QStringLiteral("确 定"),
                          QRect(284, 24, 104, ButtonHeight));
    Command9 = makeButton(Frame3, QStringLiteral("Command9"), QStringLiteral("取 消"),
                          QRect(284, 60, 104, ButtonHeight));
    Frame3->hide();

    connect(Command8, &QPushButton::clicked, this, &GroupManageForm::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &GroupManageForm::Command9_Click);
}

void GroupManageForm::buildOrderFrame()
{
    Frame4 = makeFrame(this, QStringLiteral("Frame4"), QStringLiteral("所有用户排序"),
                       QRect(Margin + LeftWidth + Margin, Margin, RightWidth, FullHeight));
    List4 = makeList(Frame4, QStringLiteral("List4"), QRect(10, 24, 160, FullHeight - 36));
    Command10.push_back(makeButton(Frame4, QStringLiteral("Command10_0"), QStringLiteral("上 移"),
                                   QRect(180, 24, 70, ButtonHeight)));
    Command10.push_back(makeButton(Frame4, QStringLiteral("Command10_1"), QStringLiteral("下 移"),
                                   QRect(180, 60, 70, ButtonHeight)));
    Command10[0]->setEnabled(false);
    Command10[1]->setEnabled(false);

    connect(List4, &QListWidget::currentRowChanged, this, &GroupManageForm::List4_Click);
    connect(Command10[0], &QPushButton::clicked, this, [this] { Command10_Click(0); });
    connect(Command10[1], &QPushButton::clicked, this, [this] { Command10_Click(1); });
}

void GroupManageForm::Form_Load()
{
    ApplySkinToForm(this);
    FillList(List1, GroupListSql, QStringLiteral("UserClassName"), QStringLiteral("UserClassID"), QString(),
             0, true);
    FillAllUsers();
}

void GroupManageForm::FillAllUsers()
{
    FillList(List4, AllUsersSql, QStringLiteral("username"), QStringLiteral("userid"), QString(), 0, true);
}

void GroupManageForm::setUserButtons(bool enabled)
{
    Command6->setEnabled(enabled);
    Command7->setEnabled(enabled);
    Command4->setEnabled(enabled);
}

void GroupManageForm::showMoving(bool moving)
{
    Frame1->setVisible(!moving);
    Frame2->setVisible(!moving);
    Frame3->setVisible(moving);
}

void GroupManageForm::List1_Click()
{
    const int index = List1->currentRow();
    const bool selected = index >= 0;
    FoxText1->setText(QString());
    const QString name = selected ? List1->item(index)->text() : QString();
    Frame2->setTitle(QStringLiteral("[") + name + QStringLiteral("]用户信息"));
    if (selected) {
        FillList(List2, GroupUsersSql, QStringLiteral("username"), QStringLiteral("userid"), QString(), 0,
                 true, {ItemData(List1, index)});
    } else {
        List2->clear();
    }
    const UserGroup group =
        selected ? ReadUserGroup(ItemData(List1, index)).value_or(UserGroup{}) : UserGroup{};
    Text1->setText(group.name);
    Check1->setChecked(group.canSeeAllUser);
    Check2->setChecked(group.canUserManage);
    Check3->setChecked(group.canChangeClass);
    Check4->setChecked(group.canCheckOrder);
    Command5->setEnabled(selected);
    Command2->setEnabled(selected);
    Command3->setEnabled(selected);
    setUserButtons(List2->count() > 0);
}

void GroupManageForm::List2_Click()
{
    const int index = List2->currentRow();
    if (index < 0)
        return;
    FoxText1->setText(
        Conn.scalar(QStringLiteral("select username from userdata where UserID=?"), {ItemData(List2, index)})
            .toString());
}

void GroupManageForm::List4_Click()
{
    const int index = List4->currentRow();
    Command10[0]->setEnabled(index >= 1);
    Command10[1]->setEnabled(index >= 0 && index < List4->count() - 1);
}

void GroupManageForm::Command1_Click()
{
    const UserGroup group = AddUserGroup();
    AddListItem(List1, group.name, group.id);
    List1->setCurrentRow(List1->count() - 1);
}

void GroupManageForm::Command5_Click()
{
    const int index = List1->currentRow();
    if (index < 0)
        return;
    const QString name = TrimText(Text1->Text());
    Text1->setText(name);
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("用户组名不能为空。"), MsgButtons::Ok, QStringLiteral("保存用户组"));
        return;
    }
    SaveUserGroup(UserGroup{ItemData(List1, index), name, Check1->isChecked(), Check2->isChecked(),
                            Check3->isChecked(), Check4->isChecked()});
    List1->item(index)->setText(name);
}

void GroupManageForm::Command2_Click()
{
    const int index = List1->currentRow();
    if (index < 0)
        return;
    if (List2->count() > 0 || !DeleteUserGroup(ItemData(List1, index))) {
        MsgBox(QStringLiteral("该用户组下有用户，无法直接删除，请转移用户或删除用户后再进行删除！"),
               MsgButtons::Ok, QStringLiteral("删除用户组"));
        return;
    }
    {
        const QSignalBlocker blocker(List1);
        const std::unique_ptr<QListWidgetItem> removed(List1->takeItem(index));
        List1->setCurrentRow(-1);
    }
    List1_Click();
}

void GroupManageForm::Command3_Click()
{
    const int index = List1->currentRow();
    if (index < 0)
        return;
    const qint32 id = AddUser(ItemData(List1, index));
    AddListItem(List2, QStringLiteral("新增用户") + QString::number(id), id);
    List2->setCurrentRow(List2->count() - 1);
    setUserButtons(true);
    FillAllUsers();
}

void GroupManageForm::Command6_Click()
{
    const int index = List2->currentRow();
    if (index < 0)
        return;
    const QString name = TrimText(FoxText1->Text());
    FoxText1->setText(name);
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("用户名不能为空。"), MsgButtons::Ok, QStringLiteral("保存用"));
        return;
    }
    RenameUser(ItemData(List2, index), name);
    List2->item(index)->setText(name);
    FillAllUsers();
}

void GroupManageForm::Command7_Click()
{
    const int group = List1->currentRow();
    if (List2->currentRow() < 0 || group < 0)
        return;
    if (List1->count() == 1) {
        MsgBox(QStringLiteral("没有其他组可转移！"), MsgButtons::Ok, QStringLiteral("转移用户"));
        return;
    }
    List3->clear();
    for (int k = 0; k < List1->count(); ++k) {
        if (k != group)
            AddListItem(List3, List1->item(k)->text(), ItemData(List1, k));
    }
    List3->setCurrentRow(0);
    showMoving(true);
}

void GroupManageForm::Command8_Click()
{
    const int target = List3->currentRow();
    const int user = List2->currentRow();
    if (target < 0 || user < 0)
        return;
    MoveUserToGroup(ItemData(List2, user), ItemData(List3, target));
    List1_Click();
    showMoving(false);
}

void GroupManageForm::Command9_Click()
{
    showMoving(false);
}

void GroupManageForm::Command10_Click(int Index)
{
    if (MoveSelectedItem(List4, Index == 0))
        SaveUserOrder(ItemDataList(List4));
}

void GroupManageForm::Command4_Click()
{
    if (List2->currentRow() >= 0)
        MsgBox(QStringLiteral("尚未开放功能！"));
}
