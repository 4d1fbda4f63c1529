#include "affairs/affairtoday.h"

namespace {

QDate fixedDay;

} // namespace

QDate AffairToday()
{
    return fixedDay.isValid() ? fixedDay : QDate::currentDate();
}

void SetAffairToday(const QDate& day)
{
    fixedDay = day;
}
