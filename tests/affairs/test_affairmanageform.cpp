#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "affairs/afairshowform.h"
#include "affairs/affairaddform.h"
#include "affairs/affairmanageform.h"
#include "affairs/regularschedule.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "platform/grid.h"
#include "tests/affairs/affairtestdata.h"
#include "tests/support/otheruser.h"

namespace {

class AffairManageFormTest : public AffairTest
{
protected:
    void TearDown() override
    {
        delete m_form.data();
        AffairTest::TearDown();
    }
    void open()
    {
        m_form = new AffairManageForm;
        m_form->show();
    }
    // Column col of every listed row.
    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 1; row < m_form->Grid1->Rows(); ++row)
            texts << m_form->Grid1->text(row, col);
        return texts;
    }
    int rowOf(const QString& name) const { return int(column(2).indexOf(name)) + 1; }
    // Before today, done, closed, the second way and the third type: none of them the default.
    void setOtherFilters()
    {
        m_form->Option3[0]->setChecked(true);
        m_form->Option1[0]->setChecked(true);
        m_form->Option2[0]->setChecked(true);
        m_form->Combo1->setCurrentIndex(2);
        m_form->Combo2->setCurrentIndex(3);
    }
    void expectDefaultFilters() const
    {
        EXPECT_TRUE(m_form->Option1[1]->isChecked());
        EXPECT_TRUE(m_form->Option2[1]->isChecked());
        EXPECT_EQ(m_form->Combo1->currentIndex(), 0);
        EXPECT_EQ(m_form->Combo2->currentIndex(), 0);
    }
    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QPointer<AffairManageForm> m_form;
};

} // namespace

TEST_F(AffairManageFormTest, OpeningGeneratesTheComingDaysAndListsTodaysReminders)
{
    addUser(2, QStringLiteral("lisi"));
    addClient(5, QStringLiteral("张三"), QStringLiteral("1980-09-21"));
    addRegular(10, QStringLiteral("日报"), Daily, QString(), 0, 5);
    addAffair(1, QStringLiteral("后天的"), today.addDays(2), 2, 0, 2);
    addAffair(2, QStringLiteral("已完成"), today);
    addAffair(3, QStringLiteral("昨天"), today.addDays(-1));
    Conn.exec(QStringLiteral("update affair set isover = -1 where affairid = 2"));
    open();

    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 10")), 3);
    EXPECT_EQ(count(QStringLiteral("Affairname = '客户生日'")), 1);
    EXPECT_TRUE(m_form->Option3[1]->isChecked());
    EXPECT_TRUE(m_form->Option1[1]->isChecked());
    EXPECT_TRUE(m_form->Option2[1]->isChecked());
    EXPECT_EQ(m_form->Combo1->currentText(), QStringLiteral("所有方式"));
    EXPECT_EQ(m_form->Combo2->currentText(), QStringLiteral("所有类型"));
    EXPECT_EQ(m_form->SelUserCombo->currentText(), QStringLiteral("所有用户"));
    EXPECT_TRUE(m_form->SelUserCombo->isVisible());
    EXPECT_EQ(m_form->Grid1->Cols(), 12);
    EXPECT_EQ(m_form->Grid1->text(0, 4), QStringLiteral("完成日期"));
    EXPECT_EQ(m_form->Grid1->Column(1).Width(), 0);
    EXPECT_EQ(m_form->Grid1->Column(11).Width(), 80);
    EXPECT_EQ(m_form->Grid1->Column(9).CellType(), 2);

    // Today's window: the daily affair, the birthday (tomorrow, lead 3), another user's in its lead.
    EXPECT_EQ(column(2),
              (QStringList{QStringLiteral("日报"), QStringLiteral("客户生日"), QStringLiteral("后天的")}));
    EXPECT_EQ(column(3),
              (QStringList{QStringLiteral("常规"), QStringLiteral("临时"), QStringLiteral("临时")}));
    EXPECT_EQ(column(5),
              (QStringList{QStringLiteral("今日"), QStringLiteral("1日后"), QStringLiteral("2日后")}));
    EXPECT_EQ(column(6), (QStringList{QStringLiteral("张三"), QStringLiteral("张三"), QString()}));
    EXPECT_EQ(column(11), (QStringList{QString(), QString(), QStringLiteral("lisi")}));

    m_form->Option3[0]->setChecked(true);
    EXPECT_EQ(column(2), QStringList{QStringLiteral("昨天")});
    m_form->Option1[2]->setChecked(true);
    m_form->Option3[4]->setChecked(true);
    EXPECT_EQ(column(4).first(), QStringLiteral("2011-09-22"));
    EXPECT_EQ(column(4).last(), QStringLiteral("2011-09-19"));
    EXPECT_TRUE(column(2).contains(QStringLiteral("已完成")));
    m_form->SelUserCombo->setCurrentIndex(2);
    EXPECT_EQ(column(2), QStringList{QStringLiteral("后天的")});
    m_form->Combo1->setCurrentIndex(2);
    EXPECT_TRUE(column(2).isEmpty());

    // The default conditions: today, not done, not closed, every way and type; the user stays.
    click(m_form->Command1);
    EXPECT_TRUE(m_form->Option3[1]->isChecked());
    EXPECT_TRUE(m_form->Option1[1]->isChecked());
    EXPECT_EQ(m_form->Combo1->currentIndex(), 0);
    EXPECT_EQ(m_form->SelUserCombo->currentIndex(), 2);
    EXPECT_EQ(column(2), QStringList{QStringLiteral("后天的")});

    // A click on the closed options' panel, beside the options, searches again.
    addAffair(4, QStringLiteral("刚加的"), today, 0, 0, 2);
    QTest::mouseClick(m_form->Option2Panel, Qt::LeftButton, {},
                      QPoint(m_form->Option2Panel->width() - 2, m_form->Option2Panel->height() / 2));
    EXPECT_EQ(column(2), (QStringList{QStringLiteral("刚加的"), QStringLiteral("后天的")}));

    // A click on the option that is already selected searches again, in each of the three groups.
    int id = 5;
    for (const auto* group : {&m_form->Option3, &m_form->Option1, &m_form->Option2}) {
        QRadioButton* selected = nullptr;
        for (QRadioButton* option : *group) {
            if (option->isChecked())
                selected = option;
        }
        ASSERT_NE(selected, nullptr);
        const QString name = QStringLiteral("再加的%1").arg(id);
        addAffair(id++, name, today, 0, 0, 2);
        click(selected);
        EXPECT_TRUE(selected->isChecked());
        EXPECT_TRUE(column(2).contains(name)) << selected->text().toStdString();
    }
}

TEST_F(AffairManageFormTest, OptionsAndColumnsShowTheirTextsWholeAtTheLargestFont)
{
    UserFontSize = 14;
    open();
    for (const auto* group : {&m_form->Option1, &m_form->Option2, &m_form->Option3}) {
        for (size_t i = 0; i < group->size(); ++i) {
            QRadioButton* option = group->at(i);
            EXPECT_GE(option->width(), option->sizeHint().width()) << option->text().toStdString();
            if (i + 1 < group->size())
                EXPECT_LE(option->geometry().right(), group->at(i + 1)->x());
        }
    }
    const QFontMetrics metrics(m_form->Grid1->font());
    EXPECT_EQ(m_form->Grid1->font().pointSize(), 14);
    EXPECT_GT(m_form->Grid1->Column(4).Width(), metrics.horizontalAdvance(QStringLiteral("2011-09-20")));
    EXPECT_GT(m_form->Grid1->Column(5).Width(), metrics.horizontalAdvance(QStringLiteral("365日后")));
    EXPECT_GT(m_form->Grid1->Column(2).Width(),
              metrics.horizontalAdvance(QStringLiteral("电话回访欧阳建国")));
    // Where the texts fit, the columns keep their widths.
    EXPECT_EQ(m_form->Grid1->Column(8).Width(), 120);
}

TEST_F(AffairManageFormTest, OtherSearchShowsOneClientsAffairsOverAllDays)
{
    addClient(5, QStringLiteral("张三"), QVariant());
    addAffair(1, QStringLiteral("上月"), today.addDays(-30), 0, 0, 1, 5);
    addAffair(2, QStringLiteral("下月"), today.addDays(30), 0, 0, 1, 5);
    addAffair(3, QStringLiteral("别的客户"), today, 0, 0, 1, 0);
    addAffair(4, QStringLiteral("已关闭"), today, 0, 0, 1, 5);
    addClient(6, QStringLiteral("李四"), QVariant());
    addAffair(5, QStringLiteral("李四的"), today.addDays(9), 0, 0, 1, 6);
    Conn.exec(QStringLiteral("update affair set isclose = -1 where affairid = 4"));
    open();
    setOtherFilters();

    qint32 missing = 404;
    m_form->OtherSearch(missing);
    EXPECT_EQ(m_form->ClientId, 0);
    EXPECT_TRUE(m_form->Option3[0]->isChecked());
    EXPECT_EQ(m_form->Combo1->currentIndex(), 2);

    // The other filters go back to every way and type, not done and not closed; one search.
    QSignalSpy fills(m_form->Grid1->model(), &QAbstractItemModel::modelReset);
    qint32 client = 5;
    m_form->OtherSearch(client);
    EXPECT_EQ(m_form->ClientId, 5);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("张三"));
    EXPECT_TRUE(m_form->Option3[4]->isChecked());
    expectDefaultFilters();
    EXPECT_EQ(column(2), (QStringList{QStringLiteral("下月"), QStringLiteral("上月")}));
    EXPECT_EQ(fills.count(), 1);

    pickClient([this] { click(m_form->Command3); }, QStringLiteral("李四"));
    EXPECT_EQ(m_form->ClientId, 6);
    EXPECT_EQ(column(2), QStringList{QStringLiteral("李四的")});

    click(m_form->Command2);
    EXPECT_EQ(m_form->ClientId, 0);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("未选择"));
    EXPECT_EQ(column(2).size(), 4);

    // The default conditions drop the chosen client too: today's affairs of every client, one search.
    pickClient([this] { click(m_form->Command3); }, QStringLiteral("李四"));
    setOtherFilters();
    fills.clear();
    click(m_form->Command1);
    EXPECT_EQ(m_form->ClientId, 0);
    EXPECT_EQ(m_form->FoxText1->Text(), QStringLiteral("未选择"));
    EXPECT_TRUE(m_form->Option3[1]->isChecked());
    expectDefaultFilters();
    EXPECT_EQ(column(2), QStringList{QStringLiteral("别的客户")});
    EXPECT_EQ(fills.count(), 1);
}

TEST_F(AffairManageFormTest, DoubleClickOpensTheDetailViewUnlessItFollowsASort)
{
    addUser(2, QStringLiteral("lisi"));
    addAffair(1, QStringLiteral("自己的"), today);
    addAffair(2, QStringLiteral("别人的"), today, 0, 0, 2);
    open();
    const auto openRow = [this](const QString& name, bool progressShown) {
        m_form->Grid1->setActiveCell(rowOf(name));
        WhileModal<AFairShowForm>([this] { Q_EMIT m_form->Grid1->DblClick(); },
                                  [&](AFairShowForm* view) {
                                      EXPECT_EQ(view->AffairID, name == QStringLiteral("自己的") ? 1 : 2);
                                      EXPECT_EQ(view->Frame1->isVisible(), progressShown);
                                  });
    };
    openRow(QStringLiteral("自己的"), true);
    openRow(QStringLiteral("别人的"), false);

    Q_EMIT m_form->Grid1->BeforeUserSort(2);
    Q_EMIT m_form->Grid1->DblClick();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    openRow(QStringLiteral("自己的"), true);
}

TEST_F(AffairManageFormTest, ANewOneOffAffairIsListedAndTheListPrints)
{
    open();
    WhileModal<AffairAddForm>([this] { click(m_form->VsNetBut3); },
                              [](AffairAddForm* dialog) {
                                  EXPECT_EQ(dialog->ClientId, 0);
                                  dialog->FoxText4->setText(QStringLiteral("新的"));
                                  QTest::mouseClick(dialog->VsNetBut2, Qt::LeftButton);
                              });
    EXPECT_EQ(column(2), QStringList{QStringLiteral("新的")});

    const QString pdf = pathOf(QStringLiteral("list.pdf"));
    m_prompts.setPreviewPdf(pdf);
    click(m_form->VsNetBut4);
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Preview);
    EXPECT_GT(QFile(pdf).size(), 0);
    EXPECT_EQ(m_form->Grid1->PageSetup().Header, QStringLiteral("事务清单"));
    EXPECT_EQ(m_form->Grid1->PageSetup().Orientation, 1);
}

TEST_F(AffairManageFormTest, WithoutTheRightOnlyOwnAffairsAndNoUserColumn)
{
    addUser(2, QStringLiteral("lisi"));
    addAffair(1, QStringLiteral("自己的"), today);
    addAffair(2, QStringLiteral("别人的"), today, 0, 0, 2);
    CanSeeAllUser = false;
    open();
    EXPECT_FALSE(m_form->SelUserCombo->isVisible());
    EXPECT_FALSE(m_form->SelUserLabel->isVisible());
    EXPECT_EQ(m_form->Grid1->Column(11).Width(), 0);
    EXPECT_EQ(column(2), QStringList{QStringLiteral("自己的")});
}

// The coming days are generated as the list opens; with the file busy for longer than the wait,
// the list says so and opens all the same, with nothing generated; its next opening generates.
TEST_F(AffairManageFormTest, OpeningOnABusyFileListsWithoutGeneratingAndSaysSo)
{
    addRegular(10, QStringLiteral("日报"), Daily, QString());
    addAffair(1, QStringLiteral("今天的"), today);
    Conn.setBusyTimeout(300);
    {
        WriteLockHolder holder(DatabasePath());
        ASSERT_TRUE(holder.isHolding()) << holder.errors().toStdString();
        m_prompts.answerMessage(MsgResult::Ok);
        open();
        EXPECT_EQ(
            m_prompts.messageTexts(),
            QStringList{QStringLiteral("数据库正被其他用户使用，本次操作没有写入任何内容。\n请稍后再试一次。")});
        EXPECT_EQ(m_form->Grid1->Cols(), 12);
        EXPECT_EQ(column(2), QStringList{QStringLiteral("今天的")});
    }
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 10")), 0);
    delete m_form.data();
    open();
    EXPECT_EQ(count(QStringLiteral("GetAffairRegular = 10")), 3);
    EXPECT_TRUE(column(2).contains(QStringLiteral("日报")));
}
