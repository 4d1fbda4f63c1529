#include <gtest/gtest.h>

#include <memory>

#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "controls/chacndate.h"
#include "controls/foxdate.h"
#include "controls/foxdategrid.h"
#include "controls/olecolor.h"
#include "controls/solarterms.h"
#include "platform/propertybag.h"

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

int cellOf(const QDate& day)
{
    return FoxDateCellOfDay(day.year(), day.month(), day.day());
}

} // namespace

TEST(FoxDateGrid, MonthStartingOnSundayFillsTheFirstCells)
{
    const FoxDateMonth grid = BuildFoxDateMonth(2015, 2, QDate(), QDate(2000, 1, 1));
    EXPECT_EQ(grid.first, QDate(2015, 2, 1));
    for (int k = 0; k < FoxDateCells; ++k) {
        EXPECT_EQ(grid.cells[k].inMonth, k <= 27) << k;
        EXPECT_EQ(grid.cells[k].date, QDate(2015, 2, 1).addDays(k));
    }
    EXPECT_EQ(grid.cells[41].date, QDate(2015, 3, 14));
    EXPECT_EQ(grid.cells[28].dayInk, FoxDateInk::NoCurMonth);
    EXPECT_EQ(grid.cells[0].dayInk, FoxDateInk::SunDay);
    EXPECT_EQ(grid.cells[6].dayInk, FoxDateInk::SatDay);
    EXPECT_EQ(grid.cells[3].dayInk, FoxDateInk::AllDate);
    EXPECT_EQ(grid.todayCell, -1);
    EXPECT_EQ(grid.selectedCell, -1);
}

TEST(FoxDateGrid, DaysOfTheMonthBeforeAreGrey)
{
    // 2011-09-01 is a Thursday.
    const FoxDateMonth grid = BuildFoxDateMonth(2011, 9, QDate(2011, 9, 11), QDate(2011, 9, 30));
    EXPECT_EQ(grid.first, QDate(2011, 8, 28));
    EXPECT_FALSE(grid.cells[3].inMonth);
    EXPECT_TRUE(grid.cells[4].inMonth);
    EXPECT_EQ(grid.cells[3].dayInk, FoxDateInk::NoCurMonth);
    EXPECT_EQ(grid.cells[3].lunarInk, FoxDateInk::NoCurMonth);
    EXPECT_EQ(grid.selectedCell, 14);
    EXPECT_EQ(grid.todayCell, 33);
}

TEST(FoxDateGrid, LunarLinesShowDaysAndTheFirstDayShowsTheMonth)
{
    const FoxDateMonth grid = BuildFoxDateMonth(2011, 9, QDate(), QDate(2000, 1, 1));
    EXPECT_EQ(grid.cells[cellOf(QDate(2011, 9, 11))].lunarText, u("十四"));
    EXPECT_EQ(grid.cells[cellOf(QDate(2011, 9, 11))].lunarInk, FoxDateInk::AllDate);
    // 八月初一 falls on a grey day of August, 九月初一 on 09-27.
    EXPECT_EQ(grid.cells[1].lunarText, u("八月"));
    EXPECT_EQ(grid.cells[1].lunarInk, FoxDateInk::NoCurMonth);
    const FoxDateCell& ninth = grid.cells[cellOf(QDate(2011, 9, 27))];
    EXPECT_EQ(ninth.lunarText, u("九月"));
    EXPECT_EQ(ninth.lunarInk, FoxDateInk::CnMonthStar);
    EXPECT_EQ(grid.cells[cellOf(QDate(2011, 9, 28))].lunarText, u("初二"));

    const FoxDateMonth december = BuildFoxDateMonth(2023, 12, QDate(), QDate(2000, 1, 1));
    EXPECT_EQ(december.cells[cellOf(QDate(2023, 12, 13))].lunarText, u("十一"));
    const FoxDateMonth leap = BuildFoxDateMonth(2033, 12, QDate(), QDate(2000, 1, 1));
    EXPECT_EQ(leap.cells[cellOf(QDate(2033, 12, 22))].lunarText, u("润十"));
}

TEST(FoxDateGrid, SolarTermsReplaceTheLunarLineAndFillTheTermLines)
{
    // 2015-02-19 is both 雨水 and 正月初一.
    const FoxDateMonth february = BuildFoxDateMonth(2015, 2, QDate(), QDate(2000, 1, 1));
    const FoxDateCell& yuShui = february.cells[cellOf(QDate(2015, 2, 19))];
    EXPECT_EQ(yuShui.lunarText, u("雨水"));
    EXPECT_EQ(yuShui.lunarInk, FoxDateInk::JieQi);
    EXPECT_EQ(february.cells[cellOf(QDate(2015, 2, 4))].lunarText, u("立春"));
    EXPECT_EQ(february.cells[cellOf(QDate(2015, 2, 20))].lunarText, u("初二"));

    const FoxDateMonth march = BuildFoxDateMonth(2024, 3, QDate(), QDate(2000, 1, 1));
    EXPECT_EQ(march.jieQiLine1, u("惊蛰:10点22分"));
    EXPECT_EQ(march.jieQiLine2, u("春分:11点06分"));
    EXPECT_EQ(march.cells[cellOf(QDate(2024, 3, 20))].lunarText, u("春分"));

    const FoxDateMonth april = BuildFoxDateMonth(2011, 4, QDate(), QDate(2000, 1, 1));
    EXPECT_EQ(april.jieQiLine1, u("清明:11点11分"));
}

// Every month the calendar can show has a lunar line in all 42 cells, also the days of 1900 and
// 2050 at the ends of the range, and each agrees with the conversion where it is a lunar day.
TEST(FoxDateGrid, EveryShowableMonthFillsAllLunarLines)
{
    for (int year = FoxDateFirstYear; year <= FoxDateLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const FoxDateMonth grid = BuildFoxDateMonth(year, month, QDate(), QDate(2000, 1, 1));
            int terms = 0;
            for (const FoxDateCell& cell : grid.cells) {
                ASSERT_EQ(cell.lunarText.size(), 2) << year << "-" << month;
                if (cell.lunarInk == FoxDateInk::JieQi) {
                    ++terms;
                    continue;
                }
                const QString text = ChaCnDate(cell.date, true);
                if (text.isEmpty()) // January 2050
                    continue;
                const QString expected = text.endsWith(u("初一")) ? text.left(2) : text.right(2);
                ASSERT_EQ(cell.lunarText, expected) << cell.date.toString(Qt::ISODate).toStdString();
            }
            ASSERT_EQ(terms, 2) << year << "-" << month;
        }
    }
}

TEST(FoxDateGrid, DatesOutsideTheRangeShowTheNearestMonth)
{
    int year = 0, month = 0;
    FoxDateClampMonth(QDate(1890, 5, 5), year, month);
    EXPECT_EQ(year, 1901);
    EXPECT_EQ(month, 1);
    FoxDateClampMonth(QDate(2060, 5, 5), year, month);
    EXPECT_EQ(year, 2049);
    EXPECT_EQ(month, 12);
    FoxDateClampMonth(QDate(1901, 7, 5), year, month);
    EXPECT_EQ(year, 1901);
    EXPECT_EQ(month, 7);
}

class FoxDateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_host = std::make_unique<QWidget>();
        m_host->resize(320, 300);
        m_date = new FoxDate(m_host.get());
        m_date->move(10, 40);
        m_date->hide();
        m_host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_host.get()));
    }

    // Shows the calendar on day as a window does.
    void showOn(const QDate& day)
    {
        m_date->hide();
        m_date->setSelDate(day);
        m_date->show();
    }

    QLabel* dayLabel(int day) const
    {
        return m_date->Label2(
            FoxDateCellOfDay(m_date->VScroll1()->value(), m_date->VScroll2()->value(), day));
    }

    QColor textColor(const QLabel* label) const { return label->palette().color(QPalette::WindowText); }

    // A cell: its day number and its lunar line.
    QRect cellRect(int cell) const
    {
        return m_date->Label2(cell)->geometry().united(m_date->Label2(FoxDateCells + cell)->geometry());
    }
    // The day number of the cell a frame stands around; null when it stands around none.
    QLabel* framed(const QWidget* frame) const
    {
        for (int k = 0; k < FoxDateCells; ++k) {
            const QRect cell = cellRect(k);
            if (frame->geometry().contains(cell) && frame->geometry().center() == cell.center())
                return m_date->Label2(k);
        }
        return nullptr;
    }

    std::unique_ptr<QWidget> m_host;
    FoxDate* m_date = nullptr;
};

TEST_F(FoxDateTest, ShowingBuildsTheMonthOfSelDate)
{
    QSignalSpy changes(m_date, &FoxDate::Change);
    showOn(QDate(2015, 2, 14));
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("2015"));
    EXPECT_EQ(m_date->MonthLab()->text(), QStringLiteral("2"));
    EXPECT_EQ(m_date->ShowYear().toInt(), 2015);
    EXPECT_EQ(m_date->ShowMonth().toInt(), 2);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(m_date->Label2(0)->text(), QStringLiteral("1"));
    EXPECT_EQ(m_date->Label2(28)->text(), QStringLiteral("1"));
    EXPECT_EQ(m_date->Label2(42 + 18)->text(), u("雨水"));
    EXPECT_TRUE(m_date->InMonth(27));
    EXPECT_FALSE(m_date->InMonth(28));
    EXPECT_EQ(textColor(m_date->Label2(28)), OleToQColor(m_date->NoCurMonth()));
    EXPECT_EQ(textColor(m_date->Label2(7)), OleToQColor(m_date->SunDayColor()));
    EXPECT_EQ(textColor(m_date->Label2(13)), OleToQColor(m_date->SatDayColor()));
    EXPECT_EQ(textColor(m_date->Label2(42 + 18)), OleToQColor(m_date->JieQiColor()));
    EXPECT_TRUE(m_date->Shape3()->isVisible());
    EXPECT_EQ(framed(m_date->Shape3()), m_date->Label2(13));
    EXPECT_EQ(m_date->Label10()->text(), u("立春:11点58分"));
}

TEST_F(FoxDateTest, ShowingWithoutSelDateSelectsToday)
{
    const QDate today = QDate::currentDate();
    m_date->show();
    EXPECT_EQ(m_date->SelDate(), today);
    EXPECT_EQ(m_date->YearLab()->text(), QString::number(today.year()));
    EXPECT_TRUE(m_date->Shape2()->isVisible());
    EXPECT_EQ(framed(m_date->Shape2()), dayLabel(today.day()));
    EXPECT_EQ(framed(m_date->Shape3()), dayLabel(today.day()));
}

TEST_F(FoxDateTest, ShowingAgainMovesTheSelectionWithinTheShownMonth)
{
    showOn(QDate(2015, 2, 14));
    QSignalSpy changes(m_date, &FoxDate::Change);
    showOn(QDate(2015, 2, 3));
    EXPECT_EQ(framed(m_date->Shape3()), dayLabel(3));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(m_date->Shape2()->isVisible()); // today is not in February 2015
}

TEST_F(FoxDateTest, MonthScrollBarWrapsIntoTheNeighbouringYears)
{
    showOn(QDate(2015, 1, 10));
    QSignalSpy changes(m_date, &FoxDate::Change);
    m_date->VScroll2()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("2014"));
    EXPECT_EQ(m_date->MonthLab()->text(), QStringLiteral("12"));
    EXPECT_EQ(m_date->VScroll1()->value(), 2014);
    EXPECT_EQ(m_date->VScroll2()->value(), 12);
    EXPECT_FALSE(m_date->Shape3()->isVisible());
    m_date->VScroll2()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    m_date->VScroll2()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("2015"));
    EXPECT_EQ(m_date->MonthLab()->text(), QStringLiteral("2"));
    m_date->VScroll1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("2016"));
    EXPECT_EQ(m_date->MonthLab()->text(), QStringLiteral("2"));
    EXPECT_EQ(m_date->ShowYear().toInt(), 2016);
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(m_date->Label2(42 + 0)->text(), u("廿二")); // 2016-01-31
}

TEST_F(FoxDateTest, NavigationStopsAtTheEndsOfTheRange)
{
    showOn(QDate(1901, 1, 15));
    QSignalSpy changes(m_date, &FoxDate::Change);
    m_date->VScroll2()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    m_date->VScroll1()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("1901"));
    EXPECT_EQ(m_date->MonthLab()->text(), QStringLiteral("1"));
    EXPECT_EQ(m_date->VScroll2()->value(), 1);
    EXPECT_EQ(changes.count(), 0);

    showOn(QDate(2049, 12, 31));
    changes.clear();
    m_date->VScroll2()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    m_date->VScroll1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("2049"));
    EXPECT_EQ(m_date->MonthLab()->text(), QStringLiteral("12"));
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(m_date->Label2(42 + 41)->text(), u("十五")); // 2050-01-08, 腊月初七 + 8

    // From December 2049 the year bar still steps back.
    m_date->VScroll1()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("2048"));
}

TEST_F(FoxDateTest, SelDateOutsideTheRangeShowsTheNearestMonthUnframed)
{
    showOn(QDate(1890, 6, 1));
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("1901"));
    EXPECT_EQ(m_date->MonthLab()->text(), QStringLiteral("1"));
    EXPECT_FALSE(m_date->Shape3()->isVisible());
    EXPECT_EQ(m_date->SelDate(), QDate(1890, 6, 1));

    showOn(QDate(2051, 3, 1));
    EXPECT_EQ(m_date->YearLab()->text(), QStringLiteral("2049"));
    EXPECT_EQ(m_date->MonthLab()->text(), QStringLiteral("12"));
    EXPECT_FALSE(m_date->Shape3()->isVisible());
}

TEST_F(FoxDateTest, ClickingADaySelectsItAndRaisesClick)
{
    showOn(QDate(2015, 2, 14));
    QSignalSpy clicks(m_date, &FoxDate::Click);
    QTest::mouseClick(dayLabel(20), Qt::LeftButton);
    EXPECT_EQ(m_date->SelDate(), QDate(2015, 2, 20));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(framed(m_date->Shape3()), dayLabel(20));

    // The lunar line is part of the cell.
    QTest::mouseClick(m_date->Label2(42 + FoxDateCellOfDay(2015, 2, 5)), Qt::LeftButton);
    EXPECT_EQ(m_date->SelDate(), QDate(2015, 2, 5));
    EXPECT_EQ(clicks.count(), 2);

    // A grey day of March and the right button do nothing.
    QTest::mouseClick(m_date->Label2(30), Qt::LeftButton);
    QTest::mouseClick(dayLabel(9), Qt::RightButton);
    EXPECT_EQ(m_date->SelDate(), QDate(2015, 2, 5));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(FoxDateTest, HoverFramesTheDayUnderTheMouse)
{
    showOn(QDate(2015, 2, 14));
    QSignalSpy moves(m_date, &FoxDate::MouseMove);
    QSignalSpy outs(m_date, &FoxDate::CurMonthDayOut);
    QTest::mouseMove(dayLabel(10), QPoint(5, 5));
    QTest::mouseMove(dayLabel(10), QPoint(8, 6));
    EXPECT_EQ(moves.count(), 1);
    EXPECT_EQ(m_date->MoveDay, 10);
    EXPECT_TRUE(m_date->Shape1()->isVisible());
    EXPECT_EQ(framed(m_date->Shape1()), dayLabel(10));
    EXPECT_FLOAT_EQ(moves.at(0).at(2).toFloat(), 75.0f);

    QTest::mouseMove(m_date->Label2(42 + FoxDateCellOfDay(2015, 2, 11)), QPoint(5, 5));
    EXPECT_EQ(moves.count(), 2);
    EXPECT_EQ(m_date->MoveDay, 11);

    // Off the cells on the face: the frame goes and every move is reported.
    QTest::mouseMove(m_date->Picture1(), QPoint(150, 205));
    QTest::mouseMove(m_date->Picture1(), QPoint(151, 206));
    EXPECT_FALSE(m_date->Shape1()->isVisible());
    EXPECT_EQ(m_date->MoveDay, -1);
    EXPECT_EQ(outs.count(), 2);

    // A grey day does nothing.
    QTest::mouseMove(m_date->Label2(35), QPoint(5, 5));
    EXPECT_EQ(moves.count(), 2);
    EXPECT_FALSE(m_date->Shape1()->isVisible());
}

TEST_F(FoxDateTest, FramesStandAroundTheCellAndHideNoneOfItsText)
{
    showOn(QDate(2024, 3, 14));
    QTest::mouseMove(dayLabel(16), QPoint(5, 5));
    ASSERT_EQ(framed(m_date->Shape1()), dayLabel(16));
    ASSERT_EQ(framed(m_date->Shape3()), dayLabel(14));
    const auto cellImage = [&](int day) {
        return m_date->grab(cellRect(FoxDateCellOfDay(2024, 3, day))).toImage();
    };
    const QImage selected = cellImage(14);
    const QImage hovered = cellImage(16);
    const QImage withFrames = m_date->grab().toImage();

    m_date->Shape1()->hide();
    m_date->Shape3()->hide();
    EXPECT_NE(m_date->grab().toImage(), withFrames);
    EXPECT_EQ(cellImage(14), selected);
    EXPECT_EQ(cellImage(16), hovered);
}

TEST_F(FoxDateTest, DrawPicMarksADayUntilClsOrAnotherMonth)
{
    showOn(QDate(2015, 2, 14));
    const QColor back = OleToQColor(m_date->BackColor());
    const QRect cell = dayLabel(16)->geometry();
    const QPoint onTopEdge(cell.left() + 2, cell.top());
    const auto pixel = [&](const QPoint& at) { return m_date->Picture1()->grab().toImage().pixelColor(at); };
    EXPECT_EQ(pixel(onTopEdge), back);

    m_date->DrawPic(16, 2, OleRgb(255, 0, 0), 0, 0);
    EXPECT_EQ(pixel(onTopEdge), QColor(255, 0, 0));
    m_date->Cls();
    EXPECT_EQ(pixel(onTopEdge), back);

    // The triangle stands on the bottom of the cell.
    const QPoint onBottom(cell.left() + 2, cell.top() + 2 * cell.height());
    EXPECT_EQ(pixel(onBottom), back);
    m_date->DrawPic(16, 1, OleRgb(255, 0, 0), 1, 0);
    EXPECT_EQ(pixel(onBottom), QColor(255, 0, 0));
    m_date->Cls();

    // Days outside the month and unknown figures draw nothing.
    const QImage clean = m_date->Picture1()->grab().toImage();
    m_date->DrawPic(29, 2, OleRgb(255, 0, 0), 0, 0);
    m_date->DrawPic(0, 2, OleRgb(255, 0, 0), 0, 0);
    m_date->DrawPic(16, 3, OleRgb(255, 0, 0), 0, 0);
    EXPECT_EQ(m_date->Picture1()->grab().toImage(), clean);

    m_date->DrawPic(16, 2, OleRgb(255, 0, 0), 3, 9);
    m_date->VScroll2()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    m_date->VScroll2()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(pixel(onTopEdge), back);
}

TEST_F(FoxDateTest, PropertiesRoundTripThroughTheBag)
{
    PropertyBag bag;
    m_date->writeProperties(bag);
    EXPECT_EQ(bag.size(), 0);

    FoxDate fresh;
    QSignalSpy marks(&fresh, &FoxDate::propertyChanged);
    fresh.readProperties(bag);
    EXPECT_EQ(marks.count(), 0);
    EXPECT_EQ(fresh.NoCurMonth(), 0x606060);
    EXPECT_EQ(fresh.SunDayColor(), 255);
    EXPECT_EQ(fresh.SatDayColor(), 45056);
    EXPECT_EQ(fresh.CnMonthStarColor(), 255);
    EXPECT_EQ(fresh.JieQiColor(), 45056);
    EXPECT_EQ(fresh.BackColor(), 0x80DFFB);
    EXPECT_EQ(fresh.AllDateColor(), 0);
    EXPECT_FALSE(fresh.SelDate().isValid());
    EXPECT_EQ(fresh.MousePointer(), 0);
    EXPECT_EQ(fresh.ShowYear().toInt(), 0);

    // Every setter marks its property for the host to save.
    fresh.setNoCurMonth(0x010101);
    fresh.setSunDayColor(0x123456);
    fresh.setSatDayColor(0x020202);
    fresh.setCnMonthStarColor(0x030303);
    fresh.setJieQiColor(0x040404);
    fresh.setBackColor(0x00FF00);
    fresh.setAllDateColor(0x050505);
    fresh.setSelDate(QDate(2020, 5, 6));
    fresh.setMousePointer(99);
    QPixmap icon(8, 8);
    icon.fill(Qt::red);
    fresh.setMouseIcon(icon);
    fresh.setShowYear(2020);
    fresh.setShowMonth(7);
    QStringList marked;
    for (const QList<QVariant>& mark : marks)
        marked << mark.at(0).toString();
    EXPECT_EQ(marked, (QStringList{"NoCurMonth", "SunDayColor", "SatDayColor", "CnMonthStarColor",
                                   "JieQiColor", "BackColor", "AllDateColor", "SelDate", "MousePointer",
                                   "MouseIcon", "ShowYear", "ShowMonth"}));
    fresh.writeProperties(bag);
    EXPECT_EQ(bag.size(), 12);
    EXPECT_EQ(bag.read(QStringLiteral("BackColor"), 0).toInt(), 0x00FF00);

    m_date->readProperties(bag);
    EXPECT_EQ(m_date->BackColor(), 0x00FF00);
    EXPECT_EQ(m_date->SunDayColor(), 0x123456);
    EXPECT_EQ(m_date->SelDate(), QDate(2020, 5, 6));
    EXPECT_EQ(m_date->MousePointer(), 99);
    EXPECT_EQ(m_date->ShowMonth().toInt(), 7);
}

TEST_F(FoxDateTest, ColoursTakeEffectAtTheNextBuild)
{
    showOn(QDate(2015, 2, 14));
    m_date->setAllDateColor(OleRgb(1, 2, 3));
    m_date->setCnMonthStarColor(OleRgb(4, 5, 6));
    EXPECT_NE(textColor(dayLabel(10)), QColor(1, 2, 3));
    showOn(QDate(2015, 2, 14));
    EXPECT_EQ(textColor(dayLabel(10)), QColor(1, 2, 3));
    // 2015-02-19 is 正月初一 but shows 雨水; 2015-03-20 (腊月 ... 二月初一) is grey.
    EXPECT_EQ(textColor(m_date->Label2(42 + FoxDateCellOfDay(2015, 2, 19))),
              OleToQColor(m_date->JieQiColor()));
    showOn(QDate(2015, 3, 1));
    EXPECT_EQ(m_date->Label2(42 + FoxDateCellOfDay(2015, 3, 20))->text(), u("二月"));
    EXPECT_EQ(textColor(m_date->Label2(42 + FoxDateCellOfDay(2015, 3, 20))), QColor(4, 5, 6));
}

TEST_F(FoxDateTest, ControlKeepsTheFaceSize)
{
    m_date->resize(500, 500);
    EXPECT_EQ(m_date->size(), QSize(206, 212));
    EXPECT_EQ(m_date->Picture1()->size(), QSize(206, 212));
    EXPECT_EQ(m_date->Label1(0)->text(), u("日"));
    EXPECT_EQ(m_date->Label1(6)->text(), u("六"));
    EXPECT_EQ(m_date->ChaCnDate(QDate(2011, 9, 11), false), u("八月十四130"));
    EXPECT_EQ(m_date->CurDateJieQi(2024, 6), CurDateJieQi(2024, 6));
}
