#pragma once

class QComboBox;

// Drop-down lists as large as their font and their entries need: the windows place them in twips
// for the smallest font, and the user's font size and the entries decide how much room they take.

// Makes a drop-down list as high as its font needs, as the original lists grew with their font.
void FitHeightToFont(QComboBox* combo);

// The width at which the closed box shows each of its entries whole, in its font, beside its
// frame and drop-down arrow; the windows widen their lists to it where the font needs more room.
int WidthForEntries(const QComboBox* combo);

// Keeps the opened list of a drop-down list wide enough for each of its entries from now on, as
// entries come and go and the list's font changes. The list draws its entries with wider margins
// than the closed box, so a box just wide enough would cut them there.
void KeepListFitToEntries(QComboBox* combo);

// The room the opened list's style draws around the text of one entry (an entry is drawn as a
// menu item), in the list's own font.
int EntryMargins(const QComboBox* combo);
