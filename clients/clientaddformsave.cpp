// Saving the client dialog: read the boxes, check, settle the company, store, and close or go on
// with the next client.
#include "clients/clientaddform.h"

#include <QCheckBox>
#include <QComboBox>

#include "clients/contractpanel.h"
#include "clients/recordsave.h"
#include "controls/cityselect.h"
#include "controls/datefield.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/prompts.h"

ClientFields ClientAddForm::readFields() const
{
    ClientFields fields;
    fields.name = Text1->Text();
    fields.personCard = Text2->Text();
    fields.sex = Combo1->currentIndex() == 0;
    fields.birthday = Text3->Text();
    fields.companyName = Text4->Text();
    fields.companyId = ClientCompanyId;
    fields.address = Text5->Text();
    fields.remark = Text6->Text();
    fields.zipcode = Text7->Text();
    fields.salary = Text8->Text();
    fields.addressCode = CitySelect1->Code();
    for (const QComboBox* combo : ClassCombo)
        fields.classIds.append(ItemData(combo, combo->currentIndex()));
    return fields;
}

bool ClientAddForm::checkFields(ClientFields& fields, QList<ContractEntry>& entries)
{
    TrimClientFields(fields, entries);
    Text1->setText(fields.name);
    Text2->setText(fields.personCard);
    Text3->setText(fields.birthday);
    Text4->setText(fields.companyName);
    Text5->setText(fields.address);
    Text6->setText(fields.remark);
    Text7->setText(fields.zipcode);

    const QDate birthday = DateField::readBox(fields.birthday);
    if (!birthday.isValid()) {
        Text3_Unreadable();
        return false;
    }
    if (birthday.year() > QDate::currentDate().year()) {
        fields.birthday = QStringLiteral("1901年01月01日");
        Text3->setText(fields.birthday);
        Check1->setChecked(false);
    }

    const QStringList lines = CheckClientFields(fields, entries);
    // The rows show their texts as they will be stored ("http://" added).
    for (qsizetype i = 0; i < entries.size(); ++i)
        Picture1->SetEntryText(int(i) + 1, entries.at(i).text);
    if (lines.isEmpty())
        return true;
    MsgBox(NumberedErrorMessage(lines));
    return false;
}

void ClientAddForm::resolveCompany(const ClientFields& fields, qint32& companyId, QString& newCompanyName)
{
    companyId = 0;
    newCompanyName.clear();
    if (fields.companyName.isEmpty())
        return;
    // The company picked or loaded stays, even when the user owns another of the same name; only
    // a typed name is looked up.
    if (ClientCompanyId != 0 && fields.companyName == m_companyShownName) {
        companyId = ClientCompanyId;
        return;
    }
    companyId = FindOwnCompany(fields.companyName);
    if (companyId == 0 && MsgBox(QStringLiteral("公司不存在,是否将你设的公司名新建一个公司？"),
                                 MsgButtons::OkCancel, QStringLiteral("新建公司")) == MsgResult::Ok)
        newCompanyName = fields.companyName;
}

void ClientAddForm::VsNetBut2_Click()
{
    ClientFields fields = readFields();
    QList<ContractEntry> entries = Picture1->Entries();
    if (!checkFields(fields, entries))
        return;
    QString newCompanyName;
    resolveCompany(fields, fields.companyId, newCompanyName);

    const SavedClient saved = SaveClient(ClientId, fields, SixClassTables, entries, newCompanyName);
    ClientId = saved.clientId;
    ClientCompanyId = saved.companyId;
    m_companyShownName = fields.companyName;

    const bool batch = Check2->isChecked();
    MsgBox(QStringLiteral("成功保存联系人[") + fields.name + QStringLiteral("]。") +
               (batch ? QStringLiteral("将继续新增下条记录") : QString()),
           MsgButtons::Ok, QStringLiteral("保存联系人"));
    if (!batch) {
        accept();
        return;
    }
    ClientId = 0;
    ClientCompanyId = 0;
    VsNetBut4_Click();
}
