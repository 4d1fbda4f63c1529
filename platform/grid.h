#pragma once

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QTableView>

#include "platform/gridmodel.h"

class Grid;
class QPainter;
class QPrinter;

// One cell of a grid: Grid::Cell(row, col).
class GridCell
{
public:
    GridCell(Grid* grid, int row, int col) : m_grid(grid), m_row(row), m_col(col) {}
    QString Text() const;
    void setText(const QString& text);
    // Text colour and background of this cell alone (an invalid colour restores the default).
    void setForeColor(const QColor& color);
    void setBackColor(const QColor& color);
    // Alignment code (see Grid), font size in points, text wrapping.
    void setAlignment(int code);
    void setFontSize(int points);
    void setWrapText(bool wrap);

private:
    Grid* m_grid;
    int m_row;
    int m_col;
};

// One column of a grid: Grid::Column(col).
class GridColumn
{
public:
    GridColumn(Grid* grid, int col) : m_grid(grid), m_col(col) {}
    // Width in pixels; 0 hides the column (keys kept in hidden columns stay readable).
    int Width() const;
    void setWidth(int pixels);
    // Alignment code of the column's data cells (see Grid).
    int Alignment() const;
    void setAlignment(int code);
    // 0 text cells, 2 check boxes: "1" shows a tick, any other text none.
    int CellType() const;
    void setCellType(int type);

private:
    Grid* m_grid;
    int m_col;
};

// A block of cells: Grid::Range(firstRow, firstCol, lastRow, lastCol). Row 0 is the header row.
class GridRange
{
public:
    GridRange(Grid* grid, int r1, int c1, int r2, int c2) : m_grid(grid), m_block{r1, c1, r2, c2} {}
    void setAlignment(int code);
    void setBackColor(const QColor& color);
    void setForeColor(const QColor& color);
    void setFontSize(int points);
    void setWrapText(bool wrap);
    // Joins the block into one cell showing the text of its first cell.
    void Merge();
    // Lines of the block. Edges: 0 left, 1 top, 2 right, 3 bottom, 4 between its rows, 5 between
    // its columns. Styles: 0 none (removes), 1 thin, 2 thick.
    void setBorders(int edge, int style);
    int Borders(int edge) const;

private:
    template <typename Change> void forEachCell(Change change);

    Grid* m_grid;
    GridModel::Block m_block;
};

// The active (current) cell: Grid::ActiveCell(). Row 0 means no row is selected.
class GridActiveCell
{
public:
    GridActiveCell(int row, int col) : m_row(row), m_col(col) {}
    int Row() const { return m_row; }
    int Col() const { return m_col; }

private:
    int m_row;
    int m_col;
};

// How PrintPreview lays out pages. Lengths are in centimetres from the paper's edges.
struct GridPageSetup
{
    // 1 portrait, 2 landscape.
    int Orientation = 1;
    double LeftMargin = 1.0;
    double RightMargin = 1.0;
    double TopMargin = 2.0;    // where the table starts
    double BottomMargin = 1.5; // where the table ends
    double HeaderMargin = 1.0; // where the header text starts
    double FooterMargin = 1.0; // where the footer text ends
    // The three print options: the header row repeated on every page, the view's grid lines
    // printed under the cells' own borders, the table centred between the side margins.
    bool RepeatHeaderRow = true;
    bool PrintGridLines = false;
    bool CenterHorizontally = true;
    // Header and footer texts with their alignment: 0 left, 1 centre, 2 right.
    QString Header;
    int HeaderFontSize = 12;
    int HeaderAlignment = 1;
    QString Footer;
    int FooterFontSize = 9;
    int FooterAlignment = 2;
};

// The list control of every window: a table of text cells that windows fill row by row.
//
// Numbering: row 0 is the header row (its cells are the column captions) and column 0 the
// row-header column at the left; data rows and columns start at 1. A new grid has Rows() 1 and
// Cols() 2.
//
// Filling: switch redrawing off, empty the grid with setRows(1), append one row per record with
// AddItem (TAB-separated texts, the first piece going into column 1), switch redrawing on and
// call Refresh(). Everything done while redrawing is off reaches the view as one model reset,
// so 100,000 rows are filled in a fraction of a second.
//
//     grid->setAutoRedraw(false);
//     grid->setRows(1);
//     for (...) grid->AddItem(id + '\t' + name + '\t' + phone);
//     grid->setAutoRedraw(true);
//     grid->Refresh();
//
// Alignment codes: 4 x horizontal + vertical, horizontal 1 left, 2 centre, 3 right; vertical
// 1 top, 2 centre, 3 bottom: 10 centred, 6 left, 14 right (both vertically centred), 5 left top.
// Colours are QColor (controls/olecolor.h converts the program's colour values).
//
// Sorting: with AllowUserSort, a click on a column caption raises BeforeUserSort(col), sorts the
// rows themselves (texts that are numbers by value, others as text; a second click on the
// same column reverses the order) and raises AfterUserSort(col). The selected row stays
// selected, so Cell(ActiveCell().Row(), 1) still reads the same record after a sort.
//
// Charts: AddChart(row, col, widget) lays a chart widget (for example a QChartView) over a cell;
// the grid owns it, keeps it over the cell when widths and heights change, and prints it into the
// cell's area.
class Grid : public QTableView
{
    Q_OBJECT

public:
    explicit Grid(QWidget* parent = nullptr);

    // Row count including the header row; setRows(1) empties the grid, a larger count appends
    // empty rows.
    int Rows() const;
    void setRows(int rows);
    // Column count including the row-header column; a smaller count drops the columns at the end.
    int Cols() const;
    void setCols(int cols);
    // Appends a row from TAB-separated texts for columns 1, 2, ...; surplus pieces are ignored.
    void AddItem(const QString& tabText);
    void RemoveItem(int row);

    GridCell Cell(int row, int col) { return GridCell(this, row, col); }
    QString text(int row, int col) const; // Cell(row, col).Text() on a const grid
    GridColumn Column(int col) { return GridColumn(this, col); }
    GridRange Range(int r1, int c1, int r2, int c2) { return GridRange(this, r1, c1, r2, c2); }

    // The row and column of the current cell; row 0 when no data row is current.
    GridActiveCell ActiveCell() const;
    // Makes a cell current and selects its row (row 0 clears the selection).
    void setActiveCell(int row, int col = 1);

    // Height of one row in pixels (0 hides it; row 0 is the header row).
    int RowHeight(int row) const;
    void setRowHeight(int row, int pixels);
    int DefaultRowHeight() const;
    void setDefaultRowHeight(int pixels);
    // Font size of the cells in points.
    int DefaultFontSize() const;
    void setDefaultFontSize(int points);
    // Colour of the area without cells, and of every second data row (rows 2, 4, ...).
    QColor BackColorBkg() const { return m_backColorBkg; }
    void setBackColorBkg(const QColor& color);
    QColor BackColor2() const;
    void setBackColor2(const QColor& color);

    // Redrawing: off while filling (changes are gathered), on afterwards.
    bool AutoRedraw() const;
    void setAutoRedraw(bool on);
    void Refresh();

    // Read-only grids (the default) select whole rows; an editable grid selects cells and ranges
    // and copies the selected range (TAB between cells, CR LF between rows) with Ctrl+C.
    bool ReadOnly() const;
    void setReadOnly(bool readOnly);
    bool AllowUserSort() const { return m_allowUserSort; }
    void setAllowUserSort(bool allow);
    // Sorts the data rows by a column as a caption click does, without the two events.
    void SortByColumn(int col, Qt::SortOrder order);

    // Page set-up used by PrintPreview.
    GridPageSetup& PageSetup() { return m_pageSetup; }
    const GridPageSetup& PageSetup() const { return m_pageSetup; }
    // Opens the print preview of the grid (through the prompt service); returns when it closes.
    void PrintPreview();
    // Draws every page on a printer (what the preview shows); the number of pages.
    int PrintTo(QPrinter* printer) const;

    // A chart widget over cell (row, col); the grid takes ownership. Replaces an earlier one.
    QWidget* AddChart(int row, int col, QWidget* chart);
    // The chart over the cell, or nullptr.
    QWidget* Chart(int row, int col) const;
    void RemoveChart(int row, int col);

    GridModel* gridModel() const { return m_model; }

Q_SIGNALS:
    // A mouse click on a cell.
    void Click();
    // A double click anywhere on the cells' area.
    void DblClick();
    // A click on a column caption that sorts by column col (before the rows move).
    void BeforeUserSort(int col);
    void AfterUserSort(int col);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class GridCell;
    friend class GridColumn;
    friend class GridRange;

    void applyLayout();
    void placeCharts();
    void headerClicked(int section);
    void copySelection();
    QRect cellRect(int row, int col) const;

    GridModel* m_model;
    GridPageSetup m_pageSetup;
    QColor m_backColorBkg;
    bool m_allowUserSort = false;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QHash<quint64, QPointer<QWidget>> m_charts;
    QList<int> m_sizedRows; // view rows given a height of their own by the last layout
    bool m_applying = false;
};
