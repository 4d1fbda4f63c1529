#include "controls/ownerfilter.h"

#include <QComboBox>

#include "core/dblayer.h"
#include "core/session.h"

void FillOwnerFilter(QComboBox* combo, QWidget* label)
{
    FillCombo(combo, QStringLiteral("select * from Userdata order by userid"), QStringLiteral("username"),
              QStringLiteral("userid"), QStringLiteral("所有用户"), 0, true);
    combo->setVisible(CanSeeAllUser);
    label->setVisible(CanSeeAllUser);
}

qint32 ChosenOwner(const QComboBox* combo)
{
    return CanSeeAllUser ? ItemData(combo, combo->currentIndex()) : 0;
}
