#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include "clients/contractpanel.h"
#include "controls/foxtext.h"
#include "core/session.h"
#include "tests/support/fixtures.h"

// Types an entry of a kind into the entry row of a contact panel and presses Enter.
inline void TypeContactEntry(ContractPanel* panel, qint32 kind, const QString& text)
{
    panel->ContractCombo[0]->setCurrentIndex(panel->ContractCombo[0]->findData(kind));
    panel->ContractText[0]->edit()->setFocus();
    panel->ContractText[0]->setText(text);
    QTest::keyClick(panel->ContractText[0]->edit(), Qt::Key_Return);
}

// A record dialog (client or company) on a fresh database, opened by user 1.
template <typename Form> class RecordFormTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CurUserID = 1;
    }
    void TearDown() override
    {
        delete m_form.data();
        DbTest::TearDown();
    }

    // A fresh dialog for the record key (0 = new), shown; `setKey` puts the key in the dialog.
    template <typename SetKey> Form* openWith(qint32 key, SetKey setKey)
    {
        delete m_form.data();
        m_form = new Form;
        setKey(m_form.data(), key);
        m_form->show();
        return m_form;
    }
    void addEntry(qint32 kind, const QString& text) { TypeContactEntry(m_form->Picture1, kind, text); }
    static void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QPointer<Form> m_form;
};
