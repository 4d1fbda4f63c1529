#pragma once

#include <QString>

class Grid;

// What the bundle dialog and the order dialog do alike to the rows of their grid of lines (a
// product or bundle with its quantity, a hidden stored key and a hidden changed flag).
struct LineGrid
{
    Grid* grid;
    int keyCol;
    int nameCol;
    int countCol;
    int changedCol;

    // The selected line, or 0 after the message asking for one.
    int selectedRow() const;
    // A line chosen again: the message, then its quantity raised by more and the line marked
    // changed; when the sum leaves the quantity's range, a message saying so and no change.
    void addToRow(int row, qint32 more, const QString& message) const;
    // Asks for the selected line's new quantity; only a whole number from 1 within the range
    // changes it (a cancel, an empty answer or 0 changes nothing).
    void changeQuantity() const;
    // Removes the selected line. A stored one is first confirmed with question (its name in %1)
    // and deleted at once by deleteStored(key).
    template <typename Delete> void removeSelected(const QString& question, Delete deleteStored) const
    {
        const int row = selectedRow();
        if (row == 0)
            return;
        const qint32 key = storedKey(row);
        if (key != 0) {
            if (!confirmDelete(question, row))
                return;
            deleteStored(key);
        }
        removeRow(row);
    }

private:
    qint32 storedKey(int row) const;
    bool confirmDelete(const QString& question, int row) const;
    void removeRow(int row) const;
};
