#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "admin/logmanageform.h"
#include "controls/foxdate.h"
#include "controls/foxdategrid.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/grid.h"
#include "tests/admin/logfixture.h"
#include "tests/support/fixtures.h"
#include "tests/support/pdftext.h"

namespace {

const QString Unreadable = QStringLiteral("日期输入发生未知错误，请手动输入。");

// Entries of admin (1) and 陈经理 (2) today, yesterday and three days ago.
class LogManageFormTest : public LogTest
{
protected:
    void SetUp() override
    {
        LogTest::SetUp();
        Conn.exec(QStringLiteral(
            "insert into product (productid, productname, createuser) values (31, '茶具', 2)"));
        const QDate today = QDate::currentDate();
        log(1, 1, 1, 1, 11, today, "09:00:00");
        log(2, 2, 2, 5, 31, today, "10:00:00");
        log(3, 2, 1, 5, 99, today.addDays(-1), "11:00:00"); // the product is gone
        log(4, 1, 2, 1, 11, today.addDays(-3), "12:00:00");
        LogInAsAdmin();
        CanSeeAllUser = true;
    }

    void TearDown() override
    {
        delete m_form.data();
        DbTest::TearDown();
    }

    LogManageForm* open()
    {
        m_form = new LogManageForm;
        m_form->show();
        return m_form;
    }

    // The rows of the list: the cells of columns 1 to 6, joined by "|".
    QStringList rows() const
    {
        QStringList result;
        for (int r = 1; r < m_form->Grid1->Rows(); ++r) {
            QStringList cells;
            for (int c = 1; c <= 6; ++c)
                cells << m_form->Grid1->text(r, c);
            result << cells.join(QLatin1Char('|'));
        }
        return result;
    }
    // The logid column only.
    QStringList ids() const
    {
        QStringList result;
        for (int r = 1; r < m_form->Grid1->Rows(); ++r)
            result << m_form->Grid1->text(r, 1);
        return result;
    }
    static QString day(int offset)
    {
        return QDate::currentDate().addDays(offset).toString(QStringLiteral("yyyy-MM-dd"));
    }
    static void choose(QComboBox* combo, const QString& text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 1) << text.toStdString();
        combo->setCurrentIndex(index);
    }
    QLabel* dayLabel(int dayOfMonth) const
    {
        FoxDate* calendar = m_form->FoxDate1;
        return calendar->Label2(
            FoxDateCellOfDay(calendar->VScroll1()->value(), calendar->VScroll2()->value(), dayOfMonth));
    }

    QPointer<LogManageForm> m_form;
};

} // namespace

TEST_F(LogManageFormTest, ListsTodayAndFiltersByDateUserOperationAndClass)
{
    open();
    EXPECT_TRUE(m_form->Option1[0]->isChecked());
    EXPECT_FALSE(m_form->Picture1->isVisible());
    EXPECT_TRUE(m_form->SelUserCombo->isVisible());
    EXPECT_EQ(m_form->SelUserCombo->itemText(0), QStringLiteral("所有用户"));
    EXPECT_EQ(m_form->Combo1->count(), 3);
    EXPECT_EQ(m_form->Combo2->itemText(0), QStringLiteral("所有类型"));
    EXPECT_EQ(m_form->Grid1->text(0, 4), QStringLiteral("对象名称"));
    EXPECT_EQ(m_form->Grid1->Column(1).Width(), 0);
    EXPECT_EQ(m_form->Grid1->Column(3).Width(), 80);
    EXPECT_EQ(m_form->Grid1->Column(6).Width(), 80);
    // Newest first; the user column names other users only.
    EXPECT_EQ(rows(),
              (QStringList{QStringLiteral("2|修改|单件商品|茶具|") + day(0) + QStringLiteral("|陈经理"),
                           QStringLiteral("1|新增|客户|林小姐|") + day(0) + QStringLiteral("|")}));

    m_form->Option1[1]->setChecked(true);
    EXPECT_EQ(ids(), (QStringList{"2", "1", "3"}));
    EXPECT_EQ(m_form->Grid1->text(3, 4), QString()) << "a missing object leaves its name empty";
    m_form->Option1[4]->setChecked(true);
    EXPECT_EQ(ids(), (QStringList{"2", "1", "3", "4"}));
    choose(m_form->SelUserCombo, QStringLiteral("陈经理"));
    EXPECT_EQ(ids(), (QStringList{"2", "3"}));
    choose(m_form->Combo1, QStringLiteral("新增"));
    EXPECT_EQ(ids(), (QStringList{"3"}));
    m_form->SelUserCombo->setCurrentIndex(0);
    EXPECT_EQ(ids(), (QStringList{"1", "3"}));
    choose(m_form->Combo2, QStringLiteral("客户"));
    EXPECT_EQ(ids(), (QStringList{"1"}));

    // The default query puts every filter back and lists today's entries.
    m_form->Option1[5]->setChecked(true);
    m_form->Option2[1]->setChecked(true);
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    EXPECT_TRUE(m_form->Option1[0]->isChecked());
    EXPECT_TRUE(m_form->Option2[0]->isChecked());
    EXPECT_FALSE(m_form->Picture1->isVisible());
    for (const QComboBox* combo : {m_form->SelUserCombo, m_form->Combo1, m_form->Combo2})
        EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(ids(), (QStringList{"2", "1"}));

    // Printing previews the list.
    const QString pdf = pathOf(QStringLiteral("log.pdf"));
    m_prompts.setPreviewPdf(pdf);
    QTest::mouseClick(m_form->VsNetBut2, Qt::LeftButton);
    EXPECT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Preview);
    const QString page = NoBlanks(PdfText(pdf));
    EXPECT_TRUE(page.contains(QStringLiteral("日志清单")));
    EXPECT_TRUE(page.contains(QStringLiteral("茶具")));
    EXPECT_TRUE(page.contains(QStringLiteral("用户：admin")));
}

TEST_F(LogManageFormTest, ChosenDayFromTheCalendarOrTodayWhenEmpty)
{
    open();
    // No day chosen yet: today, which the box then shows.
    QTest::mouseClick(m_form->Option1[5], Qt::LeftButton);
    EXPECT_TRUE(m_form->Picture1->isVisible());
    EXPECT_EQ(ids(), (QStringList{"2", "1"}));
    EXPECT_EQ(m_form->Text3->Text(), day(0));

    // A day picked in the calendar is searched at once, alone or with every later day.
    const QDate threeAgo = QDate::currentDate().addDays(-3);
    m_form->Text3->setText(threeAgo.toString(QStringLiteral("yyyy-MM-dd")));
    QTest::mouseClick(m_form->Text3->Text1(), Qt::LeftButton);
    ASSERT_TRUE(m_form->FoxDate1->isVisible());
    EXPECT_EQ(m_form->FoxDate1->SelDate(), threeAgo);
    QTest::mouseClick(dayLabel(threeAgo.day()), Qt::LeftButton);
    EXPECT_FALSE(m_form->FoxDate1->isVisible());
    EXPECT_EQ(ids(), (QStringList{"4"}));
    m_form->Option2[1]->setChecked(true);
    EXPECT_EQ(ids(), (QStringList{"2", "1", "3", "4"}));

    // A picked day also selects the option when another window was chosen.
    m_form->Option1[0]->setChecked(true);
    m_form->Option2[0]->setChecked(true);
    QTest::mouseClick(m_form->Text3->Text1(), Qt::LeftButton);
    QTest::mouseClick(dayLabel(threeAgo.day()), Qt::LeftButton);
    EXPECT_TRUE(m_form->Option1[5]->isChecked());
    EXPECT_EQ(ids(), (QStringList{"4"}));

    // A day that is no date: the message, the box opens for typing, the list stays.
    m_form->Text3->setText(QStringLiteral("2024-13-45"));
    m_prompts.answerMessage(MsgResult::Ok);
    QTest::mouseClick(m_form->Text3->Text1(), Qt::LeftButton);
    EXPECT_EQ(m_prompts.last().text, Unreadable);
    EXPECT_FALSE(m_form->Text3->Locked());
    EXPECT_FALSE(m_form->FoxDate1->isVisible());
    m_prompts.answerMessage(MsgResult::Ok);
    m_form->Option2[1]->setChecked(true);
    EXPECT_EQ(m_prompts.last().text, Unreadable);
    EXPECT_EQ(ids(), (QStringList{"4"}));
    m_form->Text3->setText(day(-1));
    m_form->Option2[0]->setChecked(true);
    EXPECT_EQ(ids(), (QStringList{"3"}));
}

TEST_F(LogManageFormTest, WithoutTheRightOnlyOwnEntriesAndNoUserColumn)
{
    CurUserID = 2;
    CanSeeAllUser = false;
    UserFontSize = 14;
    open();
    EXPECT_FALSE(m_form->SelUserCombo->isVisible());
    EXPECT_FALSE(m_form->SelUserLabel->isVisible());
    EXPECT_EQ(m_form->Grid1->Column(6).Width(), 0);
    // At the largest font every operation and class name fits its column within the cell's
    // margins.
    const QFontMetrics metrics(m_form->Grid1->font());
    for (const auto& [combo, col] : {std::pair{m_form->Combo1, 2}, std::pair{m_form->Combo2, 3}}) {
        for (int i = 0; i < combo->count(); ++i)
            EXPECT_LE(metrics.horizontalAdvance(combo->itemText(i)) + 8, m_form->Grid1->Column(col).Width());
    }
    EXPECT_LE(metrics.horizontalAdvance(day(0)) + 8, m_form->Grid1->Column(5).Width());
    m_form->Option1[4]->setChecked(true);
    EXPECT_EQ(rows(), (QStringList{QStringLiteral("2|修改|单件商品|茶具|") + day(0) + QStringLiteral("|"),
                                   QStringLiteral("3|新增|单件商品||") + day(-1) + QStringLiteral("|")}));
}
