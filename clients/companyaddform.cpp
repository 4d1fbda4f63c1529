#include "clients/companyaddform.h"

#include <QPushButton>

#include "clients/contractpanel.h"
#include "clients/recordsave.h"
#include "controls/cityselect.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/skincolors.h"
#include "controls/vsnetbut.h"
#include "platform/prompts.h"

CompanyAddForm::CompanyAddForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CompanyAddForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("新增公司"));
    buildControls();

    connect(Command3, &QPushButton::clicked, this, &CompanyAddForm::Command3_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &CompanyAddForm::VsNetBut2_Click);
    connect(VsNetBut4, &VsNetBut::Click, this, &CompanyAddForm::VsNetBut4_Click);
    connect(VsNetBut7, &VsNetBut::Click, this, &QDialog::reject);
}

void CompanyAddForm::showEvent(QShowEvent* event)
{
    // The opener sets CompanyId between construction and showing.
    if (!m_loaded)
        Form_Load();
    QDialog::showEvent(event);
}

void CompanyAddForm::Form_Load()
{
    m_loaded = true;
    ApplySkinToForm(this);
    Picture1->LoadKinds();
    fitContactPanel();
    LoadCompany();
    Picture1->LoadContracts(CompanyId);
}

void CompanyAddForm::LoadCompany()
{
    CompanyFields fields;
    if (CompanyId != 0 && LoadCompanyFields(CompanyId, fields)) {
        setWindowTitle(QStringLiteral("修改公司--[") + fields.name + QStringLiteral("]"));
    } else {
        CompanyId = 0;
        fields = CompanyFields();
        setWindowTitle(QStringLiteral("新增公司"));
    }
    showFields(fields);
}

CompanyFields CompanyAddForm::readFields() const
{
    return CompanyFields{Text1->Text(), Text2->Text(), Text3->Text(), Text4->Text(),
                         Text5->Text(), Text6->Text(), Text7->Text(), CitySelect1->Code()};
}

void CompanyAddForm::showFields(const CompanyFields& fields)
{
    Text1->setText(fields.name);
    Text2->setText(fields.shortName);
    Text3->setText(fields.bank);
    Text4->setText(fields.bankCode);
    Text5->setText(fields.address);
    Text6->setText(fields.introduce);
    Text7->setText(fields.remark);
    CitySelect1->setCode(fields.addressCode);
}

void CompanyAddForm::Command3_Click()
{
    Text5->setText(CitySelect1->AreaStr(0) + Text5->Text());
}

void CompanyAddForm::VsNetBut2_Click()
{
    CompanyFields fields = readFields();
    QList<ContractEntry> entries = Picture1->Entries();
    TrimCompanyFields(fields, entries);
    showFields(fields);
    for (qsizetype i = 0; i < entries.size(); ++i)
        Picture1->SetEntryText(int(i) + 1, entries.at(i).text);

    const QStringList lines = CheckCompanyFields(fields, entries);
    if (!lines.isEmpty()) {
        MsgBox(NumberedErrorMessage(lines));
        return;
    }
    CompanyId = SaveCompany(CompanyId, fields, entries);
    MsgBox(QStringLiteral("成功保存公司[") + fields.name + QStringLiteral("]。"), MsgButtons::Ok,
           QStringLiteral("保存公司"));
    accept();
}

void CompanyAddForm::VsNetBut4_Click()
{
    Picture1->ResetRows();
    Picture1->LoadContracts(CompanyId);
    LoadCompany();
}
