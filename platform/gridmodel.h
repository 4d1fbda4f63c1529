#pragma once

#include <span>
#include <vector>

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include "platform/gridtexts.h"

// What a cell may carry beside its text; an unset member means "as the column or the grid".
struct GridCellStyle
{
    QColor foreColor;
    QColor backColor;
    int alignment = 0; // grid alignment code, 0 = the column's
    int fontSize = 0;  // points, 0 = the grid's
    bool wrap = false;
};

// Line styles of cell borders.
enum GridLineStyle
{
    GridLineNone = 0,
    GridLineThin = 1,
    GridLineThick = 2,
};

// The four lines around one cell as they are drawn (line styles).
struct GridCellEdges
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The table behind a Grid: every cell in grid numbering (row 0 = header row, column 0 = row-header
// column), the widths, heights, alignments and borders. The view sees rows 1.. and columns 1..
// as its model rows and columns; row 0 and column 0 are the view's two headers.
//
// Structural changes (row count, column count, rows added or removed, sorting) tell the view at
// once while redrawing is on; while it is off they are gathered into one model reset that ends
// when redrawing is switched on again, so filling many rows costs one reset.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int DefaultColumnWidth = 64;

    explicit GridModel(QObject* parent = nullptr);

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Redrawing (the grid's AutoRedraw).
    bool redraw() const { return m_redraw; }
    void setRedraw(bool on);

    int rows() const { return int(m_rows.size()); }
    int cols() const { return m_cols; }
    void setRows(int rows);
    void setCols(int cols);
    // Appends a row; pieces fill columns 1, 2, ...; extra pieces are dropped.
    void addItem(const QString& tabText);
    // Appends a row from the texts of columns 1, 2, ...; extra texts are dropped.
    void addRow(std::span<const QAnyStringView> cells);
    void removeItem(int row);

    QString text(int row, int col) const;
    // The text without a copy, valid until the grid changes.
    QStringView textView(int row, int col) const;
    void setText(int row, int col, QAnyStringView text);
    const GridCellStyle* style(int row, int col) const;
    GridCellStyle& editStyle(int row, int col); // call styleChanged() after editing
    void styleChanged(int r1, int c1, int r2, int c2);

    int columnWidth(int col) const;
    void setColumnWidth(int col, int width);
    int columnAlignment(int col) const;
    void setColumnAlignment(int col, int code);
    int columnCellType(int col) const;
    void setColumnCellType(int col, int type);

    // -1 = the default row height.
    int rowHeight(int row) const;
    void setRowHeight(int row, int height);
    int defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height);
    // Rows of another height than the default (row 0 included).
    QList<int> rowsWithOwnHeight() const;

    int fontSize() const { return m_fontSize; }
    void setFontSize(int size) { m_fontSize = size; }
    QColor backColor1() const { return m_backColor1; }
    QColor backColor2() const { return m_backColor2; }
    void setBackColor2(const QColor& color);

    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    // Merged blocks (first row, first column, last row, last column).
    struct Block
    {
        int r1, c1, r2, c2;
        bool contains(int r, int c) const { return r >= r1 && r <= r2 && c >= c1 && c <= c2; }
        bool operator==(const Block&) const = default;
    };
    void merge(const Block& block);
    const QList<Block>& merges() const { return m_merges; }

    // Borders: edge 0 left, 1 top, 2 right, 3 bottom of the block, 4 the lines between its rows,
    // 5 the lines between its columns; style 0 removes.
    void setBorder(const Block& block, int edge, int style);
    int border(const Block& block, int edge) const;
    bool hasBorders() const { return !m_borders.isEmpty(); }
    // The lines of a cell, hidden rows and columns skipped: a block's left line is drawn on its
    // first visible column, and so on.
    GridCellEdges edges(int row, int col) const;

    // Sorts rows 1.. by the texts of one column (numbers by value, other texts as text).
    void sortByColumn(int col, Qt::SortOrder order);

    // Alignment code (4 x horizontal + vertical; horizontal 1 left, 2 centre, 3 right; vertical
    // 1 top, 2 centre, 3 bottom) as Qt alignment; 0 is left and vertically centred.
    static Qt::Alignment alignmentOf(int code);
    int effectiveAlignment(int row, int col) const;
    bool isChecked(int row, int col) const;

Q_SIGNALS:
    // Widths, heights and merges changed: the view lays itself out again.
    void layoutSettingsChanged();

private:
    struct Row
    {
        QHash<int, GridCellStyle> styles;
        int height = -1;
    };
    struct BorderRule
    {
        Block block;
        int edge;
        int style;
    };
    struct Column
    {
        int width = DefaultColumnWidth;
        int alignment = 0;
        int cellType = 0;
    };

    // A structural change is about to happen; finished by endChange().
    void beginChange();
    void endChange();
    void cellsChanged(int r1, int c1, int r2, int c2);
    bool visibleColumn(int c) const;
    bool visibleRow(int r) const;
    int firstVisibleColumn(int from, int to) const;
    int lastVisibleColumn(int from, int to) const;
    int firstVisibleRow(int from, int to) const;
    int lastVisibleRow(int from, int to) const;

    std::vector<Row> m_rows;
    GridTexts m_texts;
    int m_cols = 2;
    std::vector<Column> m_columns;
    QList<Block> m_merges;
    QList<BorderRule> m_borders;
    int m_defaultRowHeight = 24;
    int m_fontSize = 9;
    QColor m_backColor1 = Qt::white;
    QColor m_backColor2 = Qt::white;
    bool m_readOnly = true;
    bool m_redraw = true;
    bool m_resetOpen = false; // a model reset begun while redrawing was off
    bool m_dirty = false;     // cells changed while redrawing was off
};
