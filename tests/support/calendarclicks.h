#pragma once

#include <QLabel>
#include <QPoint>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "controls/foxdate.h"
#include "controls/foxdategrid.h"

// Clicking the drop-down calendar as a user does: on a day of the month it shows, on its arrows.

// The label of day `day` of the month the calendar shows.
inline QLabel* CalendarDay(const FoxDate* calendar, int day)
{
    return calendar->Label2(
        FoxDateCellOfDay(calendar->VScroll1()->value(), calendar->VScroll2()->value(), day));
}

inline void ClickCalendarDay(const FoxDate* calendar, int day)
{
    QTest::mouseClick(CalendarDay(calendar, day), Qt::LeftButton);
}

// Clicks an arrow of the year (VScroll1) or month (VScroll2) scroll bar: the lower arrow steps
// forward, the upper one back.
inline void ClickCalendarArrow(QScrollBar* bar, bool forward)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect arrow = bar->style()->subControlRect(
        QStyle::CC_ScrollBar, &option, forward ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine,
        bar);
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
}
