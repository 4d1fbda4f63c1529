#pragma once

class QWidget;

// Gives the controls of one window the colours of the skin in force (CurSkin) and the user's font
// size (UserFontSize, FoxTextHeight): text boxes, grids, drop-down lists and list boxes, labels,
// region pickers and buttons, inside frames and panels too. A control named NoChange (any case)
// keeps its own back colour. Child windows (MDI children, dialogs) are windows of their own and
// are left alone.
void ApplySkinToForm(QWidget* Frm);

// The colour of every second grid row, the same in every skin.
constexpr int GridBackColor2 = 0xF2F2F2;
// A grid row's height in pixels at a font size.
int GridRowHeight(int fontSize);
