#include "controls/skincolors.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMdiSubWindow>

#include "controls/cityselect.h"
#include "controls/dropdownfit.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/olecolor.h"
#include "controls/vsnetbut.h"
#include "core/session.h"
#include "core/skins.h"
#include "platform/grid.h"

namespace {

void setFontSize(QWidget* w, int size)
{
    QFont f = w->font();
    f.setPointSize(size);
    w->setFont(f);
}

void setBackColor(QWidget* w, OleColor color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, OleToQColor(color));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void applyToTextBox(FoxTextBase* box, bool colours)
{
    if (colours) {
        box->setMouseMoveColor(CurSkin.MouseMoveColor);
        box->setMouseInColor(CurSkin.MouseInColor);
        box->setMouseOutColor(CurSkin.MouseOutColor);
        box->setBorderColor(CurSkin.BorderColor);
    }
    box->setFontSize(UserFontSize);
}

// Grids: the empty area takes the skin's back colour, every second row the fixed light grey, and
// the cells the user's font size and its row height.
void applyToGrid(Grid* grid, bool colours)
{
    if (colours)
        grid->setBackColorBkg(OleToQColor(CurSkin.BackColor));
    grid->setBackColor2(OleToQColor(GridBackColor2));
    grid->setDefaultFontSize(UserFontSize);
    grid->setDefaultRowHeight(GridRowHeight(UserFontSize));
}

// What the window holds as its own controls: the parts inside the program's controls, lists and
// grids are theirs, and child windows have their own Load.
bool holdsControls(const QWidget* w)
{
    return !(qobject_cast<const FoxTextBase*>(w) || qobject_cast<const VsNetBut*>(w) ||
             qobject_cast<const CitySelect*>(w) || qobject_cast<const QComboBox*>(w) ||
             qobject_cast<const QAbstractItemView*>(w));
}

void applyToControl(QWidget* w)
{
    // Before the first skin is in force there are no skin colours; the font sizes still count.
    const bool colours = CurSkin.Id != 0;
    // Each test is made on its own, in this order.
    if (auto* box = qobject_cast<FoxText*>(w)) {
        applyToTextBox(box, colours);
        box->setHeight(FoxTextHeight);
    }
    if (auto* box = qobject_cast<FoxTextMu*>(w))
        applyToTextBox(box, colours);
    if (auto* grid = qobject_cast<Grid*>(w))
        applyToGrid(grid, colours);
    if (qobject_cast<QComboBox*>(w) || qobject_cast<QListView*>(w))
        setFontSize(w, UserFontSize);
    // The opened list of a drop-down list is a window of its own, which a skin's style sheet gives
    // the application's font, again whenever the window moves (into the child-window area): the
    // list's own style sheet keeps the box's size.
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->view()->setStyleSheet(QStringLiteral("font-size: %1pt;").arg(UserFontSize));
        KeepListFitToEntries(combo);
        // A drop-down list is as high as its font, as it always was: its top stays.
        FitHeightToFont(combo);
    }
    if (!colours)
        return;
    if (qobject_cast<QLabel*>(w) || qobject_cast<CitySelect*>(w)) {
        if (w->objectName().toLower() != QLatin1String("nochange")) {
            if (auto* picker = qobject_cast<CitySelect*>(w))
                picker->setBackColor(CurSkin.BackColor);
            else
                setBackColor(w, CurSkin.BackColor);
        }
    }
    if (auto* button = qobject_cast<VsNetBut*>(w)) {
        button->setEdgeColor(CurSkin.BorderColor);
        button->setBackColor(CurSkin.BackColor);
    }
}

void applyToChildren(QWidget* parent)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || qobject_cast<QMdiSubWindow*>(w))
            continue;
        applyToControl(w);
        if (holdsControls(w))
            applyToChildren(w);
    }
}

} // namespace

int GridRowHeight(int fontSize)
{
    return 2 * fontSize + 6;
}

void ApplySkinToForm(QWidget* Frm)
{
    if (Frm)
        applyToChildren(Frm);
}
