#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "affairs/affairaddform.h"
#include "affairs/affairregularadd.h"
#include "app/appaffairwindows.h"
#include "controls/foxtext.h"
#include "tests/support/fixtures.h"

using AppAffairWindowsTest = DbTest;

TEST_F(AppAffairWindowsTest, AffairDialogsOpenForTheClient)
{
    AppAffairWindows windows;
    for (int kind = 0; kind < 2; ++kind) {
        QString seen;
        QTimer::singleShot(0, [&seen, kind] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* d = qobject_cast<AffairAddForm*>(w); d && kind == 0)
                seen = QStringLiteral("%1 %2 %3 %4")
                           .arg(d->ClientId)
                           .arg(d->FoxText1->Text())
                           .arg(d->Command1->isEnabled())
                           .arg(d->Command2->isEnabled());
            if (auto* d = qobject_cast<AffairRegularAdd*>(w); d && kind == 1)
                seen = QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(d->ClientId)
                           .arg(d->FoxText1->Text())
                           .arg(d->Command1->isEnabled())
                           .arg(d->Command2->isEnabled())
                           .arg(d->AffairRegularId);
            if (w)
                w->close();
        });
        if (kind == 0) {
            windows.addOneOffAffair(101, QStringLiteral("张三"));
            EXPECT_EQ(seen, QStringLiteral("101 张三 0 0"));
        } else {
            windows.addRecurringAffair(102, QStringLiteral("李四"));
            EXPECT_EQ(seen, QStringLiteral("102 李四 0 0 0"));
        }
    }
}
