#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "clients/classmanageform.h"
#include "clients/classtable.h"
#include "controls/foxtext.h"
#include "core/dblayer.h"
#include "tests/support/fixtures.h"

namespace {

class ClassManageFormTest : public DbTest
{
protected:
    void TearDown() override
    {
        delete m_form.data();
        DbTest::TearDown();
    }

    ClassManageForm* open(const QString& table, const QString& caption)
    {
        m_form = new ClassManageForm;
        m_form->tabName = table;
        m_form->setCaption(caption);
        m_form->show();
        return m_form;
    }

    QStringList listTexts() const
    {
        QStringList texts;
        for (int k = 0; k < m_form->List1->count(); ++k)
            texts << m_form->List1->item(k)->text();
        return texts;
    }
    // The names of a table in its stored order.
    QStringList storedNames(const QString& table)
    {
        QStringList names;
        Recordset rs;
        rs.Open(ClassTable(table).orderedSelect(), Conn);
        for (; !rs.Eof(); rs.MoveNext())
            names << rs.Text(ClassTable(table).nameColumn());
        rs.Close();
        return names;
    }
    void select(int row) { m_form->List1->setCurrentRow(row); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void type(const QString& text) { m_form->FoxText1->setText(text); }
    bool canRename() const { return m_form->Command3->isEnabled(); }
    bool canMoveUp() const { return m_form->Command1[0]->isEnabled(); }
    bool canMoveDown() const { return m_form->Command1[1]->isEnabled(); }

    QPointer<ClassManageForm> m_form;
};

const QStringList Units{QStringLiteral("个"), QStringLiteral("件"), QStringLiteral("套"),
                        QStringLiteral("箱"), QStringLiteral("台"), QStringLiteral("千克"),
                        QStringLiteral("米")};

} // namespace

TEST_F(ClassManageFormTest, LoadListsTheValuesWithNothingSelected)
{
    Conn.exec(QStringLiteral("update ProductUnit set ProductUnitGetOrder = 3 where ProductUnitid = 7"));
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));

    EXPECT_EQ(m_form->windowTitle(), QStringLiteral("计量单位管理"));
    EXPECT_EQ(listTexts().mid(0, 4), (QStringList{QStringLiteral("个"), QStringLiteral("件"),
                                                  QStringLiteral("套"), QStringLiteral("米")}));
    EXPECT_EQ(ItemData(m_form->List1, 3), 7);
    EXPECT_EQ(m_form->List1->currentRow(), -1);
    EXPECT_FALSE(canRename());
    EXPECT_FALSE(canMoveUp());
    EXPECT_FALSE(canMoveDown());
    EXPECT_EQ(m_form->FoxText1->Text(), QString());
    // The stored orders follow the list now.
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select ProductUnitGetOrder from ProductUnit where ProductUnitid = 7"))
            .toInt(),
        4);
    EXPECT_EQ(Conn.scalar(QStringLiteral("select max(ProductUnitGetOrder) from ProductUnit")).toInt(), 7);
}

TEST_F(ClassManageFormTest, SelectionFillsTheBoxAndSetsTheButtons)
{
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));
    select(0);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("个"));
    EXPECT_TRUE(canRename());
    EXPECT_FALSE(canMoveUp());
    EXPECT_TRUE(canMoveDown());

    select(6);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("米"));
    EXPECT_TRUE(canMoveUp());
    EXPECT_FALSE(canMoveDown());

    // Clicking the value already selected takes back what was typed.
    type(QStringLiteral("公里"));
    QListWidget* list = m_form->List1;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(6)).center());
    EXPECT_EQ(list->currentRow(), 6);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("米"));
}

TEST_F(ClassManageFormTest, AddStoresAndSelectsTheNewValue)
{
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));
    click(m_form->Command2);

    ASSERT_EQ(m_form->List1->count(), 8);
    EXPECT_EQ(listTexts().last(), QStringLiteral("新增计量单位管理"));
    EXPECT_EQ(m_form->List1->currentRow(), 7);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("新增计量单位管理"));
    EXPECT_TRUE(canMoveUp());
    EXPECT_FALSE(canMoveDown());
    const qint32 id = ItemData(m_form->List1, 7);
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select ProductUnitGetOrder from ProductUnit where ProductUnitid=?"), {id})
            .toInt(),
        9999);
}

TEST_F(ClassManageFormTest, AddToAnEmptyTableSelectsTheFirstValue)
{
    Conn.exec(QStringLiteral("delete from ClientCredit"));
    open(QStringLiteral("ClientCredit"), QStringLiteral("信用等级"));
    EXPECT_EQ(m_form->List1->count(), 0);
    click(m_form->Command2);

    EXPECT_EQ(listTexts(), QStringList{QStringLiteral("新增信用等级")});
    EXPECT_EQ(m_form->List1->currentRow(), 0);
    EXPECT_FALSE(canMoveUp());
    EXPECT_FALSE(canMoveDown());
    EXPECT_EQ(storedNames(QStringLiteral("ClientCredit")), QStringList{QStringLiteral("新增信用等级")});
}

TEST_F(ClassManageFormTest, RenameStoresTheTrimmedName)
{
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));
    select(1);
    type(QStringLiteral("  盒 "));
    click(m_form->Command3);

    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("盒"));
    EXPECT_EQ(m_form->List1->item(1)->text(), QStringLiteral("盒"));
    EXPECT_EQ(Conn.scalar(QStringLiteral("select ProductUnitname from ProductUnit where ProductUnitid = 2"))
                  .toString(),
              QStringLiteral("盒"));
}

TEST_F(ClassManageFormTest, BlankNameIsRefusedAndNothingStored)
{
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));
    select(1);
    type(QStringLiteral("   "));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command3);

    EXPECT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("请输入 计量单位管理 名称！")});
    EXPECT_EQ(m_prompts.last().buttons, MsgButtons::Ok);
    EXPECT_EQ(m_prompts.last().title, QString());
    EXPECT_EQ(m_form->FoxText1->Text(), QString());
    EXPECT_EQ(m_form->List1->item(1)->text(), QStringLiteral("件"));
    EXPECT_EQ(storedNames(QStringLiteral("ProductUnit")), Units);
}

TEST_F(ClassManageFormTest, TypingStopsAtTwentyCharacters)
{
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));
    QTest::keyClicks(m_form->FoxText1->edit(), QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("abcdefghijklmnopqrst"));
}

TEST_F(ClassManageFormTest, MovesKeepTheValueSelectedAndStoreTheOrder)
{
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));
    select(2);
    click(m_form->Command1[0]);

    EXPECT_EQ(m_form->List1->currentRow(), 1);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("套"));
    EXPECT_EQ(ItemData(m_form->List1, 1), 3);
    EXPECT_EQ(ItemData(m_form->List1, 2), 2);
    EXPECT_EQ(storedNames(QStringLiteral("ProductUnit")), listTexts());

    click(m_form->Command1[0]);
    EXPECT_EQ(m_form->List1->currentRow(), 0);
    EXPECT_FALSE(canMoveUp());
    EXPECT_TRUE(canMoveDown());

    select(5);
    click(m_form->Command1[1]);
    EXPECT_EQ(m_form->List1->currentRow(), 6);
    EXPECT_FALSE(canMoveDown());
    EXPECT_EQ(listTexts(), (QStringList{QStringLiteral("套"), QStringLiteral("个"), QStringLiteral("件"),
                                        QStringLiteral("箱"), QStringLiteral("台"), QStringLiteral("米"),
                                        QStringLiteral("千克")}));
    EXPECT_EQ(storedNames(QStringLiteral("ProductUnit")), listTexts());
    EXPECT_EQ(
        Conn.scalar(QStringLiteral("select ProductUnitGetOrder from ProductUnit where ProductUnitid = 6"))
            .toInt(),
        7);
}

TEST_F(ClassManageFormTest, ClassificationNamesRefuseTheSeparator)
{
    open(QStringLiteral("ClientSixClass"), QStringLiteral("六种分类名称"));
    m_form->Command2->setVisible(false);
    EXPECT_TRUE(m_form->Command2->isHidden());
    select(0);
    type(QStringLiteral("客户|类型"));
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->Command3);

    EXPECT_EQ(m_prompts.messageTexts(), QStringList{QStringLiteral("请输入不含“|”的 六种分类名称 名称！")});
    EXPECT_EQ(m_form->List1->item(0)->text(), QStringLiteral("客户类型"));
    EXPECT_EQ(Conn.scalar(QStringLiteral(
                              "select ClientSixClassName from ClientSixClass where ClientSixClassid = 1"))
                  .toString(),
              QStringLiteral("客户类型"));

    // Renaming and moving still work.
    type(QStringLiteral("客户种类"));
    click(m_form->Command3);
    click(m_form->Command1[1]);
    EXPECT_EQ(storedNames(QStringLiteral("ClientSixClass")).mid(0, 2),
              (QStringList{QStringLiteral("客户来源"), QStringLiteral("客户种类")}));
}

TEST_F(ClassManageFormTest, EnterInTheNameBoxPressesNoButton)
{
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));
    select(1);
    type(QStringLiteral("只"));
    QTest::keyClick(m_form->FoxText1->edit(), Qt::Key_Return);
    QTest::keyClick(m_form->FoxText1->edit(), Qt::Key_Enter);

    EXPECT_TRUE(m_form->isVisible());
    EXPECT_EQ(listTexts(), Units);
    EXPECT_EQ(storedNames(QStringLiteral("ProductUnit")), Units);
}

TEST_F(ClassManageFormTest, TabbingIntoTheListSelectsNothing)
{
    open(QStringLiteral("ProductUnit"), QStringLiteral("计量单位管理"));
    m_form->List1->setFocus(Qt::TabFocusReason);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(m_form->List1, &focusIn);

    EXPECT_EQ(m_form->List1->currentRow(), -1);
    EXPECT_FALSE(canRename());
    EXPECT_EQ(m_form->FoxText1->Text(), QString());
}
