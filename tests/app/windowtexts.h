#pragma once

#include <ostream>

#include <QList>
#include <QString>

class QWidget;

// A text of a window that its control does not show whole: the control, the text, the width the
// text needs in the control's font and the room the control gives it, in pixels.
struct CutText
{
    QString control;
    QString text;
    int needed = 0;
    int room = 0;

    bool operator==(const CutText&) const = default;
};

void PrintTo(const CutText& cut, std::ostream* os);

// Every text of a window, as its controls draw them, whose width in its font's metrics is more than
// the room its control gives it, control margins, frame, drop-down arrow and check indicator taken
// off: labels, button, option and group captions, the program's buttons, the entries of drop-down
// lists (in the closed box and in the opened list), list boxes, column headers and cells of grids,
// and text boxes, whose text must show whole or, where longer than the box, from its start. A text
// whose control reaches past its parent's edge counts as cut by what its parent hides. Controls
// hidden, inside a child window of their own or inside a closed drop-down are left out.
QList<CutText> CutTexts(QWidget* window);
