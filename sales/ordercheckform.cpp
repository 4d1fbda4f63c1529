#include "sales/ordercheckform.h"

#include <QCheckBox>
#include <QLabel>

#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "sales/ordercheck.h"
#include "sales/salescontrols.h"

OrderCheckForm::OrderCheckForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OrderCheckForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("定单审核"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 12, 240, 40);
    auto* label14 = new QLabel(QStringLiteral("实际售价："), this);
    label14->setObjectName(QStringLiteral("Label14"));
    label14->setGeometry(16, 64, 72, 24);
    Text1 = NewFoxText(this, QStringLiteral("Text1"), BoxKind::Decimal, 8);
    Text1->setAlignment(2);
    Text1->setSelAll(true);
    Text1->setGeometry(88, 64, 150, Text1->height());
    Check1 = new QCheckBox(QStringLiteral("审核"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(40, 100, 80, 24);
    Check2 = new QCheckBox(QStringLiteral("完成"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(140, 100, 80, 24);
    const QList<VsNetBut*> bar = BuildToolbar(this, 40, 136,
                                              {{QStringLiteral("VsNetBut2"), QStringLiteral("保存审核 ")},
                                               {QStringLiteral("VsNetBut1"), {}},
                                               {QStringLiteral("VsNetBut9"), QStringLiteral("退 出")}});
    VsNetBut2 = bar[0];
    VsNetBut9 = bar[2];
    setFixedSize(272, 196);

    connect(VsNetBut2, &VsNetBut::Click, this, &OrderCheckForm::VsNetBut2_Click);
    connect(VsNetBut9, &VsNetBut::Click, this, &QDialog::close);
}

void OrderCheckForm::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void OrderCheckForm::Form_Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    // This dialog keeps its own colours: no skin.
    Label1->setText(OrderCheckInfo(OrderID));
}

void OrderCheckForm::VsNetBut2_Click()
{
    const QString typed = Text1->Text();
    SaveOrderCheck(OrderID, NumberValue(TrimText(typed)), Check1->isChecked(), Check2->isChecked());
    Q_EMIT Saved(typed, Check1->isChecked(), Check2->isChecked());
    close();
}
