#pragma once

#include <QDate>

// The local day the affair windows and the generation count from. It is the clock's date unless a
// test fixed another day.
QDate AffairToday();

// Fixes the day AffairToday() answers; an invalid date gives the clock back.
void SetAffairToday(const QDate& day);
