#include "clients/clientaddform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "clients/checkid.h"
#include "clients/contractpanel.h"
#include "clients/quickselect.h"
#include "controls/cityselect.h"
#include "controls/datefield.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/prompts.h"

ClientAddForm::ClientAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ClientAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增客户"));
    buildControls();

    connect(Command1, &QPushButton::clicked, this, &ClientAddForm::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &ClientAddForm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &ClientAddForm::Command4_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &ClientAddForm::VsNetBut2_Click);
    connect(VsNetBut4, &VsNetBut::Click, this, &ClientAddForm::VsNetBut4_Click);
    connect(VsNetBut7, &VsNetBut::Click, this, &QDialog::reject);
    connect(m_dateField, &DateField::unreadable, this, &ClientAddForm::Text3_Unreadable);
}

void ClientAddForm::showEvent(QShowEvent* event)
{
    // The opener sets ClientId between construction and showing.
    if (!m_loaded)
        Form_Load();
    QDialog::showEvent(event);
}

void ClientAddForm::Form_Load()
{
    m_loaded = true;
    buildClassRows();
    ApplySkinToForm(this);
    // Placed once the skin has set the fonts, which decide the heights of the lists and rows.
    Picture1->LoadKinds();
    arrangeLowerBand();
    LoadClient();
    Picture1->LoadContracts(ClientId, ClientCompanyId);
}

void ClientAddForm::LoadClient()
{
    ClientFields fields;
    if (ClientId != 0 && LoadClientFields(ClientId, SixClassTables, fields)) {
        setWindowTitle(QStringLiteral("修改客户--[") + fields.name + QStringLiteral("]"));
    } else {
        ClientId = 0;
        fields = NewClientFields(SixClassTables.size());
        setWindowTitle(QStringLiteral("新增客户"));
    }
    showFields(fields);
}

void ClientAddForm::showFields(const ClientFields& fields)
{
    Text1->setText(fields.name);
    Text2->setText(fields.personCard);
    Combo1->setCurrentIndex(fields.sex ? 0 : 1);
    Text3->setText(fields.birthday);
    Text4->setText(fields.companyName);
    ClientCompanyId = fields.companyId;
    m_companyShownName = fields.companyName;
    CitySelect1->setCode(fields.addressCode);
    Text5->setText(fields.address);
    Text6->setText(fields.remark);
    Text7->setText(fields.zipcode);
    Text8->setText(fields.salary);
    for (size_t i = 0; i < ClassCombo.size(); ++i) {
        const int index = ClassCombo[i]->findData(fields.classIds.value(qsizetype(i)));
        ClassCombo[i]->setCurrentIndex(index >= 0 ? index : 0);
    }
}

void ClientAddForm::Command1_Click()
{
    const qint32 companyId = QuickSelect(false);
    if (companyId == 0)
        return;
    const QVariant name =
        Conn.scalar(QStringLiteral("select companyname from company where companyid = ?"), {companyId});
    ClientCompanyId = companyId;
    m_companyShownName = name.toString();
    Text4->setText(m_companyShownName);
}

void ClientAddForm::Command3_Click()
{
    Text5->setText(CitySelect1->AreaStr(0) + Text5->Text());
}

void ClientAddForm::Command4_Click()
{
    const QString code = Text2->Text();
    if (!HasIdNumberShape(code)) {
        MsgBox(QStringLiteral("必须为18位或15位的数字！"), MsgButtons::Ok, QStringLiteral("身份证出错"));
        return;
    }
    CheckId id;
    if (!id.SetCode(code)) {
        MsgBox(QStringLiteral("身份证分解发生未知错误！"), MsgButtons::Ok, QStringLiteral("身份证出错"));
        return;
    }
    Combo1->setCurrentIndex(id.GetSex() ? 0 : 1);
    Text3->setText(id.GetBirthday().toString(QStringLiteral("yyyy-MM-dd")));
    Check1->setChecked(true);
}

void ClientAddForm::Text3_Unreadable()
{
    ReportUnreadableDate(Text3);
}

void ClientAddForm::VsNetBut4_Click()
{
    Picture1->ResetRows();
    // The stored client first, so that the rows shown are those of its stored company.
    LoadClient();
    Picture1->LoadContracts(ClientId, ClientCompanyId);
}
