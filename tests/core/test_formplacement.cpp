#include <gtest/gtest.h>

#include <QDialog>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include "core/formplacement.h"

TEST(FormPlacementTest, CentresAcrossAndNeverPlacesTheTitleBarOutOfTheArea)
{
    QMdiArea area;
    area.resize(800, 600);
    area.show();
    auto* small = new QWidget;
    QMdiSubWindow* smallSub = area.addSubWindow(small);
    smallSub->resize(400, 300);
    PlaceInMainWindow(small, 0.2);
    const QSize room = area.viewport()->size() - smallSub->size();
    EXPECT_EQ(smallSub->pos(), QPoint(room.width() / 2, int(room.height() * 0.2)));

    // Larger than the area: its top left corner, not a title bar above the visible area.
    auto* large = new QWidget;
    QMdiSubWindow* largeSub = area.addSubWindow(large);
    largeSub->resize(1000, 700);
    PlaceInMainWindow(large, 0.2);
    EXPECT_EQ(largeSub->pos(), QPoint(0, 0));

    // A window that is no child window, with no main window shown, is left alone.
    QWidget loose;
    loose.move(12, 34);
    PlaceInMainWindow(&loose, 0.5);
    EXPECT_EQ(loose.pos(), QPoint(12, 34));
}

TEST(FormPlacementTest, ADialogIsPlacedOverTheShownMainWindow)
{
    QMainWindow main;
    main.setCentralWidget(new QMdiArea(&main));
    main.resize(900, 700);
    main.show();
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
