#include <gtest/gtest.h>

#include <memory>

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "clients/clientaddform.h"
#include "clients/clientmanageform.h"
#include "clients/companyaddform.h"
#include "clients/companymanageform.h"
#include "clients/contractpanel.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/session.h"
#include "platform/grid.h"
#include "tests/clients/clientlistdata.h"
#include "tests/clients/recordformtest.h"
#include "tests/support/fixtures.h"

namespace {

// The windows of clients and companies at each font size a user can choose: nothing covers a text
// box or a list, no text is cut, and repeated rows stand apart.
class WindowLayoutTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        LogInAsAdmin();
        LoadShippedClassifications();
        CanSeeAllUser = true;
        AddClient(101, QStringLiteral("王小明"), QStringLiteral("wxm"), 1);
        AddContact(1, 101, 1, QStringLiteral("13912345678"));
        AddContact(2, 101, 5, QStringLiteral("wxm@example.com"));
        AddContact(3, 101, 6, QStringLiteral("http://www.example.com"));
    }

    static void setFontSize(int size)
    {
        UserFontSize = qint16(size);
        FoxTextHeight = size == 14 ? 360 : 330;
    }

    // Labels lie beside the text boxes and lists of their parent, never over them.
    static void expectLabelsBesideFields(const QWidget* window, int size)
    {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(window))
                continue;
            for (const QWidget* sibling :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool field =
                    qobject_cast<const FoxTextBase*>(sibling) || qobject_cast<const QComboBox*>(sibling);
                if (field && sibling->isVisibleTo(window))
                    EXPECT_FALSE(label->geometry().intersects(sibling->geometry()))
                        << label->text().toStdString() << " over " << sibling->objectName().toStdString()
                        << " at " << size;
            }
        }
    }

    // Every single-line box shows a whole line of its font, every list is as high as its font needs.
    static void expectTextsWhole(const QWidget* window, int size)
    {
        for (const FoxText* box : window->findChildren<FoxText*>())
            EXPECT_GE(box->edit()->height(), QFontMetrics(box->edit()->font()).height())
                << box->objectName().toStdString() << " at " << size;
        for (const QComboBox* combo : window->findChildren<QComboBox*>()) {
            if (combo->isVisibleTo(window) && combo->font().pointSize() == size)
                EXPECT_GE(combo->height(), combo->sizeHint().height())
                    << combo->objectName().toStdString() << " at " << size;
        }
    }

    // Widgets given top down do not overlap.
    template <typename List> static void expectStacked(const List& widgets, int size, const char* what)
    {
        for (size_t i = 1; i < widgets.size(); ++i)
            EXPECT_GE(widgets[i]->y(), widgets[i - 1]->y() + widgets[i - 1]->height())
                << what << " " << i << " at " << size;
    }

    static void expectContactRowsApart(const ContractPanel* panel, int size)
    {
        std::vector<QWidget*> rows;
        for (int i = 1; i <= panel->ContractCount; ++i)
            rows.push_back(panel->ContractText[size_t(i)]);
        rows.push_back(panel->ContractText[0]);
        expectStacked(rows, size, "contact row");
        EXPECT_GE(panel->ContractCombo[0]->height(), panel->ContractCombo[0]->sizeHint().height()) << size;
    }

    // A toolbar caption fits on its button's face.
    static void expectCaptionsWhole(const std::vector<VsNetBut*>& buttons)
    {
        for (const VsNetBut* button : buttons) {
            const int room = int(button->width() * button->CaptionAreaPercent() / 100) - 4;
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->Caption()), room)
                << button->Caption().toStdString();
        }
    }
};

} // namespace

TEST_F(WindowLayoutTest, TextsFitAndNothingOverlapsAtEveryFontSize)
{
    for (int size : {9, 11, 14}) {
        setFontSize(size);

        auto client = std::make_unique<ClientAddForm>();
        client->ClientId = 101;
        client->show();
        expectLabelsBesideFields(client.get(), size);
        expectTextsWhole(client.get(), size);
        expectStacked(client->ClassCombo, size, "classification");
        expectContactRowsApart(client->Picture1, size);
        EXPECT_EQ(client->Picture1->ContractCount, 3);
        const QWidget* lastClass = client->ClassCombo.back();
        EXPECT_LE(lastClass->y() + lastClass->height(), client->ClassFrame->height()) << size;
        EXPECT_LE(client->Picture1->y() + client->Picture1->height(), client->height()) << size;
        // The longest identity number shows whole.
        EXPECT_GE(
            client->Text2->edit()->width(),
            QFontMetrics(client->Text2->edit()->font()).horizontalAdvance(QString(18, QLatin1Char('8'))))
            << size;

        auto company = std::make_unique<CompanyAddForm>();
        company->show();
        expectLabelsBesideFields(company.get(), size);
        expectTextsWhole(company.get(), size);

        auto list = std::make_unique<ClientManageForm>();
        list->show();
        expectLabelsBesideFields(list->ClassFrame, size);
        expectTextsWhole(list.get(), size);
        std::vector<QWidget*> filterRows{list->ClassCombo[0], list->ClassCombo[3], list->SelUserCombo};
        expectStacked(filterRows, size, "filter row");
        EXPECT_LE(list->FoxText1->y() + list->FoxText1->height(), list->ClassFrame->height()) << size;
        EXPECT_GE(list->Grid1->y(), list->ClassFrame->y() + list->ClassFrame->height()) << size;
        // A mobile number and a day show whole in the list.
        const QFontMetrics cells(list->Grid1->font());
        EXPECT_GT(list->Grid1->Column(5).Width(), cells.horizontalAdvance(QStringLiteral("13912345678")))
            << size;
        EXPECT_GT(list->Grid1->Column(4).Width(), cells.horizontalAdvance(QStringLiteral("1980-05-17")))
            << size;
        expectCaptionsWhole({list->VsNetBut2, list->VsNetBut3, list->VsNetBut4, list->VsNetBut5,
                             list->VsNetBut6, list->VsNetBut7, list->VsNetBut8, list->VsNetBut10,
                             list->VsNetBut9});

        auto companies = std::make_unique<CompanyManageForm>();
        companies->show();
        expectTextsWhole(companies.get(), size);
        EXPECT_GE(companies->Grid1->y(), companies->SelUserCombo->y() + companies->SelUserCombo->height())
            << size;
        expectCaptionsWhole(
            {companies->VsNetBut2, companies->VsNetBut3, companies->VsNetBut10, companies->VsNetBut9});
    }
}
