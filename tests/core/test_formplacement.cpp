#include <gtest/gtest.h>

#include <QDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/formplacement.h"

TEST(FormPlacement, ChildWindowsInTheAreaDialogsOverTheMainWindow)
{
    QMainWindow main;
    auto* area = new QMdiArea(&main);
    main.setCentralWidget(area);
    main.resize(900, 700);
    main.show();

    auto* child = new QWidget;
    QMdiSubWindow* sub = area->addSubWindow(child);
    sub->resize(400, 300);
    sub->show();
    PlaceInMainWindow(child, 0.4);
    const QSize free = area->viewport()->size() - sub->size();
    EXPECT_EQ(sub->pos(), QPoint(free.width() / 2, int(free.height() * 0.4)));
    // Larger than the area: its corner stays in it, so the title bar can be reached.
    sub->resize(2000, 1500);
    PlaceInMainWindow(child, 0.4);
    EXPECT_EQ(sub->pos(), QPoint(0, 0));

    QDialog dialog;
    dialog.resize(200, 100);
    PlaceInMainWindow(&dialog, 0.3);
    const QRect m = main.frameGeometry();
    const QSize own = dialog.frameGeometry().size();
    EXPECT_EQ(dialog.pos(), QPoint(m.left() + (m.width() - own.width()) / 2,
                                   m.top() + int((m.height() - own.height()) * 0.3)));

    // Without a shown main window nothing moves.
    main.hide();
    dialog.move(5, 6);
    PlaceInMainWindow(&dialog, 0.3);
    EXPECT_EQ(dialog.pos(), QPoint(5, 6));
}
