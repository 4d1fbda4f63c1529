#pragma once

#include <vector>

#include <QDialog>

#include "clients/clientrecord.h"

class CitySelect;
class ContractPanel;
class DateField;
class FoxDate;
class FoxText;
class FoxTextMu;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class VsNetBut;

// The client dialog, shown modal: one client (a person) with its company, identity number,
// birthday, region, classifications and contact entries. The opener sets ClientId (0 = a new
// client) before showing it; for a client of another user it disables VsNetBut2 first, so the
// client can be looked at but not saved. A save checks every field into one numbered message,
// then writes the client, a company typed on the way and the contact rows in one go and closes;
// in batch mode ("批量新增") it starts on the next new client instead.
//
// Layout: clientaddformlayout.cpp; loading and the buttons: here; saving: clientaddformsave.cpp.
class ClientAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit ClientAddForm(QWidget* parent = nullptr);

    // The client to edit; 0 = a new client. Set by the opener before the dialog is shown.
    qint32 ClientId = 0;

    FoxText* Text1 = nullptr;    // name
    FoxText* Text2 = nullptr;    // identity number
    QComboBox* Combo1 = nullptr; // sex: "男", "女"
    FoxText* Text3 = nullptr;    // birthday, locked; filled by the calendar
    QCheckBox* Check1 = nullptr; // birthday taken from the identity number
    FoxDate* FoxDate1 = nullptr;
    FoxText* Text4 = nullptr;        // company name
    QPushButton* Command1 = nullptr; // picks the company
    FoxText* Text5 = nullptr;        // address
    CitySelect* CitySelect1 = nullptr;
    QPushButton* Command3 = nullptr; // puts the region in front of the address
    FoxText* Text7 = nullptr;        // area code of the telephone
    FoxText* Text8 = nullptr;        // salary
    FoxTextMu* Text6 = nullptr;      // remark
    QPushButton* Command4 = nullptr; // fills sex and birthday from the identity number
    QGroupBox* ClassFrame = nullptr;
    std::vector<QLabel*> ClassLabel;
    std::vector<QComboBox*> ClassCombo;
    QCheckBox* Check2 = nullptr;   // batch mode
    VsNetBut* VsNetBut2 = nullptr; // save
    VsNetBut* VsNetBut4 = nullptr; // reset
    VsNetBut* VsNetBut5 = nullptr; // delete: never enabled
    VsNetBut* VsNetBut7 = nullptr; // close
    ContractPanel* Picture1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // clientaddformlayout.cpp
    void buildControls();
    void buildClassRows();
    void arrangeLowerBand();
    // here
    void Form_Load();
    void LoadClient();
    void showFields(const ClientFields& fields);
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void VsNetBut4_Click();
    void Text3_Unreadable();
    // clientaddformsave.cpp
    void VsNetBut2_Click();
    ClientFields readFields() const;
    bool checkFields(ClientFields& fields, QList<ContractEntry>& entries);
    void resolveCompany(const ClientFields& fields, qint32& companyId, QString& newCompanyName);

    // The company shown in Text4 and its key: a name typed since is looked up again at save.
    qint32 ClientCompanyId = 0;
    QString m_companyShownName;
    DateField* m_dateField = nullptr;
    bool m_loaded = false;
};
