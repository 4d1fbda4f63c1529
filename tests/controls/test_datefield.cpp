#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "controls/datefield.h"
#include "controls/foxdate.h"
#include "controls/foxdategrid.h"
#include "controls/foxtext.h"
#include "tests/support/calendarclicks.h"

TEST(DateFieldText, ReadsTheDateFormsTheWindowsWrite)
{
    const QDate today(2024, 7, 9);
    EXPECT_EQ(DateField::readDate(QStringLiteral("2015-02-14"), today), QDate(2015, 2, 14));
    EXPECT_EQ(DateField::readDate(QStringLiteral(" 2015/2/4 "), today), QDate(2015, 2, 4));
    EXPECT_EQ(DateField::readDate(QString::fromUtf8("1960年01月01日"), today), QDate(1960, 1, 1));
    EXPECT_EQ(DateField::readDate(QStringLiteral("2024-05"), today), QDate(2024, 5, 1));
    EXPECT_EQ(DateField::readDate(QString::fromUtf8("02月28日"), today), QDate(2024, 2, 28));
    EXPECT_EQ(DateField::readDate(QString(), today), today);
    EXPECT_EQ(DateField::readDate(QStringLiteral("   "), today), today);
    EXPECT_FALSE(DateField::readDate(QStringLiteral("2015-02-30"), today).isValid());
    EXPECT_FALSE(DateField::readDate(QStringLiteral("abc"), today).isValid());
    EXPECT_FALSE(DateField::readDate(QStringLiteral("20150214"), today).isValid());
}

class DateFieldTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(400, 400);
        m_birthday = new QLineEdit(m_window.get());
        m_birthday->setGeometry(10, 10, 120, 24);
        m_month = new QLineEdit(m_window.get());
        m_month->setGeometry(200, 10, 120, 24);
        m_other = new QLineEdit(m_window.get());
        m_other->setGeometry(10, 370, 120, 24);
        m_calendar = new FoxDate(m_window.get());
        m_calendar->move(10, 100);
        m_calendar->hide();
        m_fields = std::make_unique<DateField>(m_calendar);
        EXPECT_EQ(m_fields->addField(m_birthday), 0);
        EXPECT_EQ(m_fields->addField(m_month, QStringLiteral("yyyy-MM")), 1);
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    QLabel* dayLabel(int day) const
    {
        return m_calendar->Label2(
            FoxDateCellOfDay(m_calendar->VScroll1()->value(), m_calendar->VScroll2()->value(), day));
    }

    std::unique_ptr<QWidget> m_window;
    QLineEdit* m_birthday = nullptr;
    QLineEdit* m_month = nullptr;
    QLineEdit* m_other = nullptr;
    FoxDate* m_calendar = nullptr;
    std::unique_ptr<DateField> m_fields;
};

TEST_F(DateFieldTest, ClickInAnEmptyFieldOpensTodayUnderTheField)
{
    QSignalSpy opened(m_fields.get(), &DateField::opened);
    QTest::mouseClick(m_birthday, Qt::LeftButton);
    EXPECT_TRUE(m_calendar->isVisible());
    EXPECT_EQ(m_calendar->SelDate(), QDate::currentDate());
    EXPECT_EQ(m_calendar->y(), m_birthday->geometry().bottom() + 1);
    EXPECT_EQ(m_calendar->x(), 10);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toInt(), 0);
}

TEST_F(DateFieldTest, PickingADayWritesItAndHidesTheCalendar)
{
    m_birthday->setText(QStringLiteral("1975-06-15"));
    QSignalSpy picked(m_fields.get(), &DateField::picked);
    QTest::mouseClick(m_birthday, Qt::LeftButton);
    ASSERT_TRUE(m_calendar->isVisible());
    EXPECT_EQ(m_calendar->YearLab()->text(), QStringLiteral("1975"));
    EXPECT_TRUE(m_calendar->Shape3()->geometry().contains(dayLabel(15)->geometry()));

    QTest::mouseClick(dayLabel(3), Qt::LeftButton);
    EXPECT_EQ(m_birthday->text(), QStringLiteral("1975-06-03"));
    EXPECT_FALSE(m_calendar->isVisible());
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked.at(0).at(0).toInt(), 0);
}

TEST_F(DateFieldTest, OneCalendarServesEachFieldInItsOwnFormat)
{
    m_birthday->setText(QStringLiteral("1975-06-15"));
    m_month->setText(QStringLiteral("2024-05"));
    QTest::mouseClick(m_birthday, Qt::LeftButton);
    QTest::mouseClick(m_month, Qt::LeftButton);
    ASSERT_TRUE(m_calendar->isVisible());
    EXPECT_EQ(m_fields->currentIndex(), 1);
    EXPECT_EQ(m_calendar->SelDate(), QDate(2024, 5, 1));
    QTest::mouseClick(dayLabel(20), Qt::LeftButton);
    EXPECT_EQ(m_month->text(), QStringLiteral("2024-05"));
    EXPECT_EQ(m_birthday->text(), QStringLiteral("1975-06-15"));
    EXPECT_FALSE(m_calendar->isVisible());
}

TEST_F(DateFieldTest, FocusLeavingTheFieldHidesTheCalendarUnlessItGoesToTheCalendar)
{
    QTest::mouseClick(m_birthday, Qt::LeftButton);
    ASSERT_TRUE(m_birthday->hasFocus());
    ASSERT_TRUE(m_calendar->isVisible());

    m_calendar->VScroll2()->setFocusPolicy(Qt::StrongFocus);
    m_calendar->VScroll2()->setFocus();
    EXPECT_TRUE(m_calendar->isVisible());

    m_birthday->setFocus();
    m_other->setFocus();
    EXPECT_FALSE(m_calendar->isVisible());
}

TEST_F(DateFieldTest, UnreadableTextLeavesTheCalendarHidden)
{
    m_birthday->setText(QStringLiteral("1975-13-45"));
    QSignalSpy unreadable(m_fields.get(), &DateField::unreadable);
    QTest::mouseClick(m_birthday, Qt::LeftButton);
    EXPECT_FALSE(m_calendar->isVisible());
    ASSERT_EQ(unreadable.count(), 1);
    EXPECT_EQ(unreadable.at(0).at(0).toInt(), 0);
    EXPECT_EQ(m_birthday->text(), QStringLiteral("1975-13-45"));
}

TEST_F(DateFieldTest, BirthdayBefore1901OpensOnTheFirstMonthWithoutSelection)
{
    m_birthday->setText(QStringLiteral("1899-03-02"));
    QTest::mouseClick(m_birthday, Qt::LeftButton);
    ASSERT_TRUE(m_calendar->isVisible());
    EXPECT_EQ(m_calendar->YearLab()->text(), QStringLiteral("1901"));
    EXPECT_EQ(m_calendar->MonthLab()->text(), QStringLiteral("1"));
    EXPECT_FALSE(m_calendar->Shape3()->isVisible());
    QTest::mouseClick(dayLabel(9), Qt::LeftButton);
    EXPECT_EQ(m_birthday->text(), QStringLiteral("1901-01-09"));
}

// The windows' date fields are locked FoxText boxes.
TEST_F(DateFieldTest, FoxTextFieldIsReadAndWritten)
{
    auto* box = new FoxText(m_window.get());
    box->setGeometry(200, 370, 120, 24);
    box->setLocked(true);
    box->setText(QStringLiteral("1975-06-15"));
    box->show();
    EXPECT_EQ(m_fields->addField(box), 2);

    QTest::mouseClick(box->Text1(), Qt::LeftButton);
    ASSERT_TRUE(m_calendar->isVisible());
    EXPECT_EQ(m_calendar->SelDate(), QDate(1975, 6, 15));
    QTest::mouseClick(dayLabel(3), Qt::LeftButton);
    EXPECT_EQ(box->Text(), QStringLiteral("1975-06-03"));
    EXPECT_FALSE(m_calendar->isVisible());

    box->setText(QString());
    QTest::mouseClick(box->Text1(), Qt::LeftButton);
    ASSERT_TRUE(m_calendar->isVisible());
    EXPECT_EQ(m_calendar->SelDate(), QDate::currentDate());
    m_other->setFocus();
    EXPECT_FALSE(m_calendar->isVisible());
}

// In a child window of an MDI area the frame of the child window takes the focus that the
// calendar's parts do not: a click into the calendar must still keep it open.
TEST(DateFieldInChildWindow, ClicksIntoTheCalendarKeepItOpenUntilTheFocusLeavesBoth)
{
    QMdiArea area;
    area.resize(600, 500);
    auto* window = new QWidget;
    window->resize(400, 380);
    auto* field = new FoxText(window);
    field->setGeometry(10, 10, 120, 24);
    field->setLocked(true);
    auto* other = new QLineEdit(window);
    other->setGeometry(200, 10, 120, 24);
    auto* calendar = new FoxDate(window);
    calendar->hide();
    // Next to the calendar in the focus chain.
    auto* next = new QLineEdit(window);
    next->setGeometry(200, 300, 120, 24);
    DateField fields(calendar);
    fields.addField(field);
    QMdiSubWindow* child = area.addSubWindow(window);
    area.show();
    child->resize(420, 420);
    child->show();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    ASSERT_EQ(child->focusPolicy() & Qt::ClickFocus, Qt::ClickFocus);

    field->setText(QStringLiteral("2015-02-14"));
    QTest::mouseClick(field->Text1(), Qt::LeftButton);
    ASSERT_TRUE(calendar->isVisible());
    ClickCalendarArrow(calendar->VScroll2(), true);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->MonthLab()->text(), QStringLiteral("3"));
    ClickCalendarArrow(calendar->VScroll1(), false);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->YearLab()->text(), QStringLiteral("2014"));
    // A grey day of the neighbouring month picks nothing and keeps the calendar open.
    QTest::mouseClick(calendar->Label2(41), Qt::LeftButton);
    EXPECT_TRUE(calendar->isVisible());
    EXPECT_EQ(field->Text(), QStringLiteral("2015-02-14"));

    // The focus went from the field into the calendar; leaving the calendar for another control
    // hides it.
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_FALSE(calendar->isVisible());

    QTest::mouseClick(field->Text1(), Qt::LeftButton);
    ASSERT_TRUE(calendar->isVisible());
    ClickCalendarDay(calendar, 3);
    EXPECT_EQ(field->Text(), QStringLiteral("2015-02-03"));
    EXPECT_FALSE(calendar->isVisible());
    // The focus is back in the field, not on the control after the calendar.
    EXPECT_FALSE(next->hasFocus());
    EXPECT_TRUE(field->isAncestorOf(QApplication::focusWidget()) || field->hasFocus());
}
