#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

#include "affairs/affairregularadd.h"
#include "affairs/affairregularmanageform.h"
#include "affairs/regularschedule.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "tests/affairs/affairtestdata.h"

namespace {

class AffairRegularManageformTest : public AffairTest
{
protected:
    void TearDown() override
    {
        delete m_form.data();
        AffairTest::TearDown();
    }
    void open()
    {
        m_form = new AffairRegularManageform;
        m_form->show();
    }
    QStringList names() const
    {
        QStringList texts;
        for (int k = 0; k < m_form->List1->count(); ++k)
            texts << m_form->List1->item(k)->text();
        return texts;
    }
    QString describe(int row)
    {
        m_form->List1->setCurrentRow(row);
        return m_form->Label1->text();
    }
    void click(VsNetBut* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QPointer<AffairRegularManageform> m_form;
};

} // namespace

TEST_F(AffairRegularManageformTest, ListsTheUsersOwnAffairsByKindAndDescribesThem)
{
    addUser(2, QStringLiteral("lisi"));
    addClient(5, QStringLiteral("张三"), QVariant());
    addRegular(10, QStringLiteral("循环"), EveryNDays, QStringLiteral("20110901007"), 0, 5);
    addRegular(20, QStringLiteral("周会"), Weekly, QStringLiteral("1"), 3);
    addRegular(30, QStringLiteral("月报"), Monthly, QStringLiteral("05"));
    addRegular(40, QStringLiteral("年检"), Yearly, QStringLiteral("0315"), 0, 0, 1, QStringLiteral("带证件"));
    addRegular(50, QStringLiteral("日报"), Daily, QString());
    addRegular(60, QStringLiteral("别人的"), Daily, QString(), 0, 0, 2);
    addRegular(70, QStringLiteral("坏的"), Weekly, QStringLiteral("9"));
    open();
    EXPECT_TRUE(m_form->Option1[5]->isChecked());
    EXPECT_EQ(names(), (QStringList{QStringLiteral("坏的"), QStringLiteral("日报"), QStringLiteral("年检"),
                                    QStringLiteral("月报"), QStringLiteral("周会"), QStringLiteral("循环")}));
    const QString head = QStringLiteral("事务方式：拜访\r\n\r\n事务类型：售后服务\r\n\r\n定期方式：");
    // The first entry is described at once; an invalid schedule has no next day.
    EXPECT_EQ(m_form->Label1->text(), head + QStringLiteral("每 星期 进行一次！\r\n下次日期：\r\n\r\n"));
    EXPECT_EQ(
        describe(5),
        head + QStringLiteral("每隔 7 天进行一次！\r\n下次日期：2011-09-22\r\n\r\n联系对象：张三\r\n\r\n"));
    EXPECT_EQ(describe(4),
              head + QStringLiteral("每 星期日 进行一次！\r\n下次日期：2011-09-25\r\n           提前 3日 "
                                    "进行提醒。\r\n\r\n"));
    EXPECT_EQ(describe(3), head + QStringLiteral("每月 5 日进行一次！\r\n下次日期：2011-10-05\r\n\r\n"));
    EXPECT_EQ(describe(2),
              head + QStringLiteral(
                         "每年 03月15日 进行一次！\r\n下次日期：2012-03-15\r\n\r\n事务备注：带证件\r\n\r\n"));
    EXPECT_EQ(describe(1), head + QStringLiteral("每日\r\n\r\n"));
    // Describing generates nothing.
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular <> 0")), 0);

    m_form->Option1[Weekly]->setChecked(true);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("坏的"), QStringLiteral("周会")}));
    m_form->Option1[EveryNDays]->setChecked(true);
    EXPECT_EQ(names(), QStringList{QStringLiteral("循环")});

    // A click on the kind already chosen lists again.
    addRegular(80, QStringLiteral("又一个循环"), EveryNDays, QStringLiteral("20110901003"));
    QTest::mouseClick(m_form->Option1[EveryNDays], Qt::LeftButton);
    EXPECT_TRUE(m_form->Option1[EveryNDays]->isChecked());
    EXPECT_EQ(names(), (QStringList{QStringLiteral("又一个循环"), QStringLiteral("循环")}));
}

TEST_F(AffairRegularManageformTest, DeletingKeepsThePastAsOneOffAffairsAndRemovesTheRest)
{
    addRegular(10, QStringLiteral("甲"), Daily, QString());
    addRegular(20, QStringLiteral("乙"), Daily, QString());
    addAffair(1, QStringLiteral("昨天"), today.addDays(-1), 0, 20);
    addAffair(2, QStringLiteral("今天"), today, 0, 20);
    addAffair(3, QStringLiteral("明天"), today.addDays(1), 0, 20);
    Conn.exec(QStringLiteral("update affair set isover = -1 where affairid = 1"));
    open();
    ASSERT_EQ(names(), (QStringList{QStringLiteral("乙"), QStringLiteral("甲")}));

    m_prompts.answerMessage(MsgResult::Cancel);
    click(m_form->VsNetBut4);
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("删除事务"));
    EXPECT_EQ(count(QStringLiteral("1 = 1")), 3);

    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut4);
    EXPECT_EQ(count(QStringLiteral("affairid = 1 and GetAffairRegular = 0 and isover <> 0")), 1);
    EXPECT_EQ(count(QStringLiteral("1 = 1")), 1);
    EXPECT_FALSE(
        Conn.scalar(QStringLiteral("select 1 from AffairRegular where AffairRegularId = 20")).isValid());
    EXPECT_EQ(names(), QStringList{QStringLiteral("甲")});
    EXPECT_EQ(m_form->List1->currentRow(), 0);
    EXPECT_TRUE(m_form->Label1->text().contains(QStringLiteral("每日")));

    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut4);
    EXPECT_TRUE(names().isEmpty());
    EXPECT_TRUE(m_form->Label1->text().isEmpty());
    m_prompts.answerMessage(MsgResult::Ok);
    click(m_form->VsNetBut3);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("请先选择一个常规事务。"));
    EXPECT_EQ(m_prompts.last().title, QStringLiteral("修改事务"));
}

TEST_F(AffairRegularManageformTest, NewAndChangeOpenTheDialogAndShowTheResult)
{
    addRegular(10, QStringLiteral("甲"), Weekly, QStringLiteral("2"));
    open();
    m_form->Option1[Weekly]->setChecked(true);
    WhileModal<AffairRegularAdd>([&] { click(m_form->VsNetBut2); },
                                 [](AffairRegularAdd* dialog) {
                                     EXPECT_EQ(dialog->AffairRegularId, 0);
                                     dialog->FoxText4->setText(QStringLiteral("乙"));
                                     dialog->Option1[Daily]->setChecked(true);
                                     QTest::mouseClick(dialog->VsNetBut2, Qt::LeftButton);
                                 });
    EXPECT_TRUE(m_form->Option1[5]->isChecked());
    EXPECT_EQ(names().size(), 2);
    EXPECT_TRUE(names().contains(QStringLiteral("乙")));

    m_form->List1->setCurrentRow(names().indexOf(QStringLiteral("甲")));
    WhileModal<AffairRegularAdd>([&] { click(m_form->VsNetBut3); },
                                 [](AffairRegularAdd* dialog) {
                                     EXPECT_EQ(dialog->AffairRegularId, 10);
                                     dialog->Combo3->setCurrentIndex(0);
                                     QTest::mouseClick(dialog->VsNetBut2, Qt::LeftButton);
                                 });
    EXPECT_TRUE(m_form->Label1->text().contains(QStringLiteral("每 星期日")));
}
