#include "clients/classmanageform.h"

#include <QListWidget>
#include <QPushButton>

#include "clients/classtable.h"
#include "controls/foxtext.h"
#include "core/dblayer.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace {

constexpr int Margin = 12;
constexpr int ListWidth = 200;
constexpr int ListHeight = 260;
constexpr int SideLeft = Margin + ListWidth + Margin;
constexpr int SideWidth = 160;
constexpr int ButtonWidth = 90;
constexpr int ButtonHeight = 28;

} // namespace

ClassManageForm::ClassManageForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ClassManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);

    // The text box comes first in the focus chain, so that showing the window selects no value.
    FoxText1 = NewTextBox(this, QStringLiteral("FoxText1"));
    FoxText1->setMaxLength(ClassTable::MaxNameLength);
    FoxText1->moveTwips(SideLeft * TwipsPerPixel, Margin * TwipsPerPixel, SideWidth * TwipsPerPixel,
                        FoxText1->Height());

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(Margin, Margin, ListWidth, ListHeight);

    const auto button = [this](const QString& name, const QString& caption, int top) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(SideLeft, top, ButtonWidth, ButtonHeight);
        // No button answers Enter: Enter in the name box must not add a value.
        b->setAutoDefault(false);
        return b;
    };
    const int firstTop = Margin + FoxText1->height() + Margin;
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("新 增"), firstTop);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("修 改"), firstTop + 40);
    Command1.push_back(button(QStringLiteral("Command1_0"), QStringLiteral("上 移"), firstTop + 96));
    Command1.push_back(button(QStringLiteral("Command1_1"), QStringLiteral("下 移"), firstTop + 136));
    Command3->setEnabled(false);
    Command1[0]->setEnabled(false);
    Command1[1]->setEnabled(false);
    setFixedSize(SideLeft + SideWidth + Margin, Margin + ListHeight + Margin);

    connect(List1, &QListWidget::currentRowChanged, this, &ClassManageForm::List1_Click);
    // A click on the value already selected changes no row, but fills the name box again.
    connect(List1, &QListWidget::itemClicked, this, &ClassManageForm::List1_Click);
    connect(Command2, &QPushButton::clicked, this, &ClassManageForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ClassManageForm::Command3_Click);
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    connect(Command1[1], &QPushButton::clicked, this, [this] { Command1_Click(1); });
}

QString ClassManageForm::Caption() const
{
    return windowTitle();
}

void ClassManageForm::setCaption(const QString& caption)
{
    setWindowTitle(caption);
    if (!m_loaded)
        Form_Load();
}

void ClassManageForm::Form_Load()
{
    m_loaded = true;
    const QList<ClassItem> items = ClassTable(tabName).loadAndRenumber();
    const QSignalBlocker blocker(List1);
    for (const ClassItem& value : items)
        AddListItem(List1, value.name, value.id);
    // Set through the view, so that tabbing into the list does not pick its first value.
    List1->setCurrentIndex(QModelIndex());
}

void ClassManageForm::List1_Click()
{
    const int index = List1->currentRow();
    Command3->setEnabled(index >= 0);
    Command1[0]->setEnabled(index >= 1);
    Command1[1]->setEnabled(index >= 0 && index < List1->count() - 1);
    if (index >= 0)
        FoxText1->setText(List1->item(index)->text());
}

void ClassManageForm::Command2_Click()
{
    const QString name = QStringLiteral("新增") + Caption();
    const qint32 id = ClassTable(tabName).add(name);
    AddListItem(List1, name, id);
    List1->setCurrentRow(List1->count() - 1);
}

void ClassManageForm::Command3_Click()
{
    const int index = List1->currentRow();
    if (index < 0)
        return;
    const QString text = TrimText(FoxText1->Text());
    FoxText1->setText(text);
    const QString refusal = ClassTable::nameRefusal(tabName, Caption(), text);
    if (!refusal.isEmpty()) {
        MsgBox(refusal);
        return;
    }
    ClassTable(tabName).rename(ItemData(List1, index), text);
    List1->item(index)->setText(text);
}

void ClassManageForm::Command1_Click(int Index)
{
    if (MoveSelectedItem(List1, Index == 0))
        SaveOrder();
}

void ClassManageForm::SaveOrder()
{
    ClassTable(tabName).saveOrder(ItemDataList(List1));
}
