#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "clients/quickselcompanyform.h"
#include "clients/quickselect.h"
#include "controls/foxtext.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "tests/support/fixtures.h"
#include "tests/support/testrows.h"

namespace {

class QuickSelectTest : public DbTest
{
protected:
    void SetUp() override
    {
        DbTest::SetUp();
        CurUserID = 7;
        // Seen-by-all rights make no difference to the picker.
        CanSeeAllUser = true;
    }

    void addClient(qint32 id, qint32 user, const QString& name, const QString& pinyin)
    {
        AddClientRow(id, name, user, {{QStringLiteral("ClientPinyin"), pinyin}});
    }
    void addCompany(qint32 id, qint32 user, const QString& name, const QString& pinyin)
    {
        Conn.exec(
            QStringLiteral(
                "insert into company (companyid, createuser, companyname, companyPinyin) values (?,?,?,?)"),
            {id, user, name, pinyin});
    }

    // Runs QuickSelect and lets `act` work the picker while it is shown.
    qint32 pick(bool client, const std::function<void(QuickSelCompanyForm*)>& act)
    {
        QTimer::singleShot(0, [act] {
            auto* form = qobject_cast<QuickSelCompanyForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            act(form);
            if (form->isVisible())
                form->reject();
        });
        return QuickSelect(client);
    }

    static QStringList names(const QuickSelCompanyForm* form)
    {
        QStringList texts;
        for (int k = 0; k < form->List1->count(); ++k)
            texts << form->List1->item(k)->text();
        return texts;
    }
    static void type(QuickSelCompanyForm* form, const QString& text) { form->FoxText1->setText(text); }
    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

} // namespace

TEST_F(QuickSelectTest, SearchesTheUsersOwnClientsByInitialsOrName)
{
    addClient(101, 7, QStringLiteral("张三"), QStringLiteral("zs"));
    addClient(102, 7, QStringLiteral("李四"), QStringLiteral("ls"));
    addClient(103, 7, QStringLiteral("赵小森"), QStringLiteral("zxs"));
    addClient(104, 7, QStringLiteral("O'Brien"), QStringLiteral("o'brien"));
    addClient(105, 8, QStringLiteral("张三丰"), QStringLiteral("zsf"));

    const qint32 chosen = pick(true, [](QuickSelCompanyForm* form) {
        EXPECT_EQ(form->windowTitle(), QStringLiteral("快速选择客户"));
        // Own rows by pinyin, the first one selected; user 8's never.
        EXPECT_EQ(names(form), (QStringList{QStringLiteral("李四"), QStringLiteral("O'Brien"),
                                            QStringLiteral("张三"), QStringLiteral("赵小森")}));
        EXPECT_EQ(form->List1->currentRow(), 0);

        // Latin letters search the initials anywhere, in any case; blanks around are dropped.
        type(form, QStringLiteral(" ZS "));
        EXPECT_EQ(form->FoxText1->Text(), QStringLiteral("ZS"));
        EXPECT_EQ(names(form), QStringList{QStringLiteral("张三")});
        type(form, QStringLiteral("xs"));
        EXPECT_EQ(names(form), QStringList{QStringLiteral("赵小森")});
        // A Chinese character searches the names.
        type(form, QStringLiteral("三"));
        EXPECT_EQ(names(form), QStringList{QStringLiteral("张三")});
        // Quotes are searched for as typed; a crafted text neither fails nor widens the search.
        type(form, QStringLiteral("o'b"));
        EXPECT_EQ(names(form), QStringList{QStringLiteral("O'Brien")});
        type(form, QStringLiteral("' or createuser<>7 or '"));
        EXPECT_TRUE(names(form).isEmpty());
        type(form, QStringLiteral("%"));
        EXPECT_TRUE(names(form).isEmpty());

        click(form->Command4);
        EXPECT_EQ(form->FoxText1->Text(), QString());
        EXPECT_EQ(form->List1->count(), 4);
        type(form, QStringLiteral("zx"));
        click(form->Command1);
    });
    EXPECT_EQ(chosen, 103);

    // A name that starts with an emoji is found by typing the emoji, as in the lists.
    addClient(106, 7, QStringLiteral("😀小明"), QStringLiteral("xm"));
    EXPECT_EQ(pick(true,
                   [](QuickSelCompanyForm* form) {
                       type(form, QStringLiteral("😀"));
                       EXPECT_EQ(names(form), QStringList{QStringLiteral("😀小明")});
                       click(form->Command1);
                   }),
              106);

    // A later opening that is cancelled gives 0, not the earlier pick.
    EXPECT_EQ(pick(true,
                   [](QuickSelCompanyForm* form) {
                       EXPECT_EQ(form->SelId, 0);
                       click(form->Command2);
                   }),
              0);
}

TEST_F(QuickSelectTest, PicksCompaniesAndAsksForASelection)
{
    addCompany(201, 7, QStringLiteral("德泽科技"), QStringLiteral("dzkj"));
    addCompany(202, 8, QStringLiteral("德泽贸易"), QStringLiteral("dzmy"));

    EXPECT_EQ(pick(false,
                   [](QuickSelCompanyForm* form) {
                       EXPECT_EQ(form->windowTitle(), QStringLiteral("快速选择公司"));
                       EXPECT_EQ(names(form), QStringList{QStringLiteral("德泽科技")});
                       // A double click on a row chooses it.
                       QListWidget* list = form->List1;
                       list->doItemsLayout();
                       const QRect cell = list->visualItemRect(list->item(0));
                       QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
                       QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
                   }),
              201);

    // No row: "选择" asks for one and the picker stays; closing it gives 0.
    m_prompts.answerMessage(MsgResult::Ok);
    EXPECT_EQ(pick(false,
                   [this](QuickSelCompanyForm* form) {
                       type(form, QStringLiteral("贸易"));
                       EXPECT_EQ(form->List1->count(), 0);
                       click(form->Command1);
                       EXPECT_EQ(m_prompts.last().text, QStringLiteral("请选择一个公司。"));
                       EXPECT_EQ(m_prompts.last().title, QStringLiteral("选择公司"));
                       EXPECT_TRUE(form->isVisible());
                   }),
              0);
}
