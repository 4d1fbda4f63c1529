#include <functional>

#include <gtest/gtest.h>

#include <QDate>
#include <QLabel>
#include <QRadioButton>

#include "admin/logmanageform.h"
#include "affairs/affairaddform.h"
#include "affairs/affairregularadd.h"
#include "affairs/affairregularmanageform.h"
#include "analysis/analyseform.h"
#include "analysis/analyseform2.h"
#include "clients/clientaddform.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "platform/grid.h"
#include "sales/orderaddform.h"
#include "tests/app/mainformtest.h"
#include "tests/support/calendarclicks.h"

// Every date and month box of the program, reached as a user reaches it: the child windows through
// the main window's toolbar or menu into its child-window area, the dialogs through the menu items
// that show them modal.

namespace {

using WindowAct = std::function<void(QWidget*)>;

struct DateBox
{
    const char* window;
    // Opens the window through the main window and runs act on it while it is open.
    std::function<void(MainForm*, const WindowAct&)> open;
    QString box;
    QString format;
    // Makes the box visible where it depends on other controls (the recurrence kind).
    WindowAct prepare = [](QWidget*) {};
};

template <typename Form> std::function<void(MainForm*, const WindowAct&)> child(VsNetBut* MainForm::*button)
{
    return [button](MainForm* main, const WindowAct& act) {
        QTest::mouseClick(main->*button, Qt::LeftButton);
        Form* form = GlobalForm<Form>::loaded();
        ASSERT_NE(form, nullptr);
        // Where the user meets it: a child window of the main window's child-window area.
        ASSERT_NE(qobject_cast<QMdiSubWindow*>(form->parentWidget()), nullptr);
        ASSERT_EQ(main->MdiArea->currentSubWindow(), form->parentWidget());
        act(form);
    };
}

template <typename Form> std::function<void(MainForm*, const WindowAct&)> dialog(QAction* MainForm::*item)
{
    return [item](MainForm* main, const WindowAct& act) {
        WhileModal<Form>([main, item] { (main->*item)->trigger(); }, [&act](Form* form) { act(form); });
    };
}

void chooseKind(QWidget* window, int kind)
{
    auto* form = qobject_cast<AffairRegularAdd*>(window);
    ASSERT_NE(form, nullptr);
    QTest::mouseClick(form->Option1[kind], Qt::LeftButton);
}

// The recurring-affair dialog is shown by the recurring-affair list's "新增事务".
std::function<void(MainForm*, const WindowAct&)> recurringAffair()
{
    return [](MainForm* main, const WindowAct& act) {
        main->AffairRegularClick->trigger();
        AffairRegularManageform* list = GlobalForm<AffairRegularManageform>::loaded();
        ASSERT_NE(list, nullptr);
        ASSERT_NE(qobject_cast<QMdiSubWindow*>(list->parentWidget()), nullptr);
        WhileModal<AffairRegularAdd>([list] { QTest::mouseClick(list->VsNetBut2, Qt::LeftButton); },
                                     [&act](AffairRegularAdd* form) { act(form); });
    };
}

const QString Day = QStringLiteral("yyyy-MM-dd");
const QString Month = QStringLiteral("yyyy-MM");

const std::vector<DateBox>& dateBoxes()
{
    static const std::vector<DateBox> boxes{
        {"查看日志", child<LogManageForm>(&MainForm::VsNetBut5), QStringLiteral("Text3"), Day},
        {"月度分析", child<AnalyseForm>(&MainForm::VsNetBut10), QStringLiteral("Text3"), Month},
        {"周期分析", child<AnalyseForm2>(&MainForm::VsNetBut11), QStringLiteral("Text3"), Month},
        {"新增客户", dialog<ClientAddForm>(&MainForm::ClientAddClick), QStringLiteral("Text3"), Day},
        {"新增临时事务", dialog<AffairAddForm>(&MainForm::AffairTempClick), QStringLiteral("Text3"), Day},
        {"新增定单", dialog<OrderAddform>(&MainForm::OrderAddClick), QStringLiteral("Text3"), Day},
        {"常规事务 循环", recurringAffair(), QStringLiteral("Text3_1"), Day,
         [](QWidget* form) { chooseKind(form, 0); }},
        {"常规事务 每年", recurringAffair(), QStringLiteral("Text3_0"), QStringLiteral("MM月dd日"),
         [](QWidget* form) { chooseKind(form, 4); }},
    };
    return boxes;
}

QDate shownMonth(const FoxDate* calendar)
{
    return QDate(calendar->YearLab()->text().toInt(), calendar->MonthLab()->text().toInt(), 1);
}

// Clicks the box, steps the calendar a year back and a month forward with its arrows, picks the
// 15th with the mouse and reads the box.
void pickDayIn(QWidget* window, const DateBox& row)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->window()));
    row.prepare(window);
    auto* box = window->findChild<FoxText*>(row.box);
    auto* calendar = window->findChild<FoxDate*>(QStringLiteral("FoxDate1"));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(calendar, nullptr);
    ASSERT_TRUE(box->isVisible());

    QTest::mouseClick(box->Text1(), Qt::LeftButton);
    ASSERT_TRUE(calendar->isVisible());
    // It drops down right under the box it serves.
    const QRect under = calendar->geometry();
    const QRect boxRect(box->mapTo(calendar->parentWidget(), QPoint(0, 0)), box->size());
    EXPECT_EQ(under.top(), boxRect.bottom() + 1);
    EXPECT_LE(under.left(), boxRect.left());
    EXPECT_GT(under.right(), boxRect.left());

    const QDate start = shownMonth(calendar);
    ClickCalendarArrow(calendar->VScroll1(), false);
    EXPECT_TRUE(calendar->isVisible()) << "year arrow";
    ClickCalendarArrow(calendar->VScroll2(), true);
    ASSERT_TRUE(calendar->isVisible()) << "month arrow";
    const QDate shown = shownMonth(calendar);
    EXPECT_EQ(shown, start.addYears(-1).addMonths(1));

    const QDate day(shown.year(), shown.month(), 15);
    ClickCalendarDay(calendar, 15);
    EXPECT_EQ(box->Text(), day.toString(row.format));
    EXPECT_FALSE(calendar->isVisible());
}

} // namespace

TEST_F(MainFormTest, EveryDateBoxTakesADayPickedWithTheMouse)
{
    logIn();
    open();
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
    for (const DateBox& row : dateBoxes()) {
        SCOPED_TRACE(row.window);
        row.open(m_form, [&row](QWidget* window) { pickDayIn(window, row); });
        flush();
    }
}

// The log viewer's day picked in the child-window area lists that day under "指定日期".
TEST_F(MainFormTest, LogViewerSearchesTheDayPickedInsideTheMainWindow)
{
    logIn();
    open();
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form));
    // A day of this month other than today, so that the calendar shows it when it opens on today.
    const QDate today = QDate::currentDate();
    const QDate day = today.day() == 1 ? today.addDays(1) : today.addDays(-1);
    Conn.exec(QStringLiteral("insert into logdata (logid, createuser, GetLogOperate, GetLogClass, GetEditID, "
                             "LogDate) values (1, 1, 1, 1, 0, ?)"),
              {day.toString(Day) + QStringLiteral(" 10:00:00")});

    QTest::mouseClick(m_form->VsNetBut5, Qt::LeftButton);
    LogManageForm* log = GlobalForm<LogManageForm>::loaded();
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->Grid1->Rows(), 1);
    QTest::mouseClick(log->Text3->Text1(), Qt::LeftButton);
    ASSERT_TRUE(log->FoxDate1->isVisible());
    ClickCalendarDay(log->FoxDate1, day.day());
    EXPECT_EQ(log->Text3->Text(), day.toString(Day));
    EXPECT_TRUE(log->Option1[5]->isChecked());
    ASSERT_EQ(log->Grid1->Rows(), 2);
    EXPECT_EQ(log->Grid1->Cell(1, 5).Text(), day.toString(Day));
}
