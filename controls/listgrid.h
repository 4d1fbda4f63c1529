#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Grid;

// A column of a list grid: caption, width in pixels (0 hides it) and alignment code (10: centred).
struct ListColumn
{
    QString caption;
    int width;
    int alignment = 10;
};

// Lays out a list grid from its columns (column 0 being the row-header column): the widths, the
// captions of row 0, the alignments, the header row centred; the grid keeps only its header row.
void SetupGrid(Grid* grid, const QList<ListColumn>& columns);

// Widens a shown column, where the user's font needs it, so that its header and every one of
// texts (the names the column can hold) show whole.
void FitColumn(Grid* grid, int col, const QStringList& texts);

// Names of the usual longest length, for FitColumn on the columns that show them: a person's, a
// company's and a product's.
inline const QString LongPersonName = QStringLiteral("欧阳建国");
inline const QString LongCompanyName = QStringLiteral("泉州市海丰纺织品有限公司");
inline const QString LongProductName = QStringLiteral("无线蓝牙降噪耳机");
