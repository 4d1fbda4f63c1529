#pragma once

#include <QDialog>

#include "clients/companyrecord.h"

class CitySelect;
class ContractPanel;
class FoxText;
class FoxTextMu;
class QPushButton;
class VsNetBut;

// The company dialog, shown modal: one customer company with its bank account, region,
// description and contact entries. The opener sets CompanyId (0 = a new company) before showing
// it; for a company of another user it disables VsNetBut2 first, so the company can be looked at
// but not saved. A save checks the fields into one numbered message, then writes the company and
// its contact rows in one go and closes.
//
// Layout: companyaddformlayout.cpp.
class CompanyAddForm : public QDialog
{
    Q_OBJECT

public:
    explicit CompanyAddForm(QWidget* parent = nullptr);

    // The company to edit; 0 = a new company. Set by the opener before the dialog is shown.
    qint32 CompanyId = 0;

    FoxText* Text1 = nullptr; // full name
    FoxText* Text2 = nullptr; // short name, at most 18 characters
    FoxText* Text3 = nullptr; // bank
    FoxText* Text4 = nullptr; // bank account
    FoxText* Text5 = nullptr; // address
    CitySelect* CitySelect1 = nullptr;
    FoxTextMu* Text6 = nullptr;      // description
    FoxTextMu* Text7 = nullptr;      // remark
    QPushButton* Command3 = nullptr; // puts the region in front of the address
    VsNetBut* VsNetBut2 = nullptr;   // save
    VsNetBut* VsNetBut4 = nullptr;   // reset
    VsNetBut* VsNetBut5 = nullptr;   // delete: never enabled
    VsNetBut* VsNetBut7 = nullptr;   // close
    ContractPanel* Picture1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // companyaddformlayout.cpp
    void buildControls();
    // Once the kinds are loaded: the contact panel, and the dialog with it, as wide as its rows need.
    void fitContactPanel();
    // here
    void Form_Load();
    void LoadCompany();
    CompanyFields readFields() const;
    void showFields(const CompanyFields& fields);
    void Command3_Click();
    void VsNetBut2_Click();
    void VsNetBut4_Click();

    bool m_loaded = false;
};
