#pragma once

#include <QList>
#include <QString>

class Grid;
class QWidget;
class VsNetBut;

// What the client list and the company list share: their toolbar, the selected
// row's key and the opening of a record's dialog.

// A toolbar button 855 x 705 twips at top 60 and the given left (twips); an empty caption makes a
// disabled separator.
VsNetBut* AddToolButton(QWidget* bar, const QString& name, const QString& caption, int leftTwips);

// The key in column 1 of the grid's active row; without a selected row, 0 after the message
// asking the user to choose a client.
qint32 SelectedKey(Grid* grid);

// Whether the logged-in user created the row of table whose keyColumn is id; when not, says that
// it can only be viewed (notOwnText).
bool MayChange(const QString& table, const QString& keyColumn, qint32 id, const QString& notOwnText);
