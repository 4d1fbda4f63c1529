#include "platform/grid.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QStyledItemDelegate>

#include "platform/prompts.h"

namespace {

quint64 chartKey(int row, int col)
{
    return (quint64(quint32(row)) << 32) | quint32(col);
}

// Draws a cell as usual, wraps the text of cells that ask for it, and adds the cell's borders.
class GridDelegate : public QStyledItemDelegate
{
public:
    GridDelegate(GridModel* model, QObject* parent) : QStyledItemDelegate(parent), m_model(model) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const GridCellStyle* s = m_model->style(index.row() + 1, index.column() + 1);
        if (s && s->wrap)
            option->features |= QStyleOptionViewItem::WrapText;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        if (!m_model->hasBorders())
            return;
        const int row = index.row() + 1;
        const int col = index.column() + 1;
        // A merged cell ends where its last row and column end.
        const auto* view = qobject_cast<const QTableView*>(option.widget);
        const int lastRow = row + (view ? view->rowSpan(index.row(), index.column()) - 1 : 0);
        const int lastCol = col + (view ? view->columnSpan(index.row(), index.column()) - 1 : 0);
        const GridCellEdges e = m_model->edges(row, col);
        const QRect r = option.rect;
        const auto line = [painter](int style, QPoint a, QPoint b) {
            if (style == GridLineNone)
                return;
            painter->setPen(QPen(Qt::black, style == GridLineThick ? 2 : 1));
            painter->drawLine(a, b);
        };
        // A line between two cells that both carry it is drawn once, by the cell before it;
        // drawn by both it would show twice, the grid line between them.
        painter->save();
        // A thick line on the left or top lies inside the cell, as it does on the right and bottom.
        const int inLeft = e.left == GridLineThick ? 1 : 0;
        const int inTop = e.top == GridLineThick ? 1 : 0;
        if (e.left != m_model->edges(row, col - 1).right || col == 1)
            line(e.left, r.topLeft() + QPoint(inLeft, 0), r.bottomLeft() + QPoint(inLeft, 0));
        if (e.top != m_model->edges(row - 1, col).bottom || row == 1)
            line(e.top, r.topLeft() + QPoint(0, inTop), r.topRight() + QPoint(0, inTop));
        line(m_model->edges(row, lastCol).right, r.topRight(), r.bottomRight());
        line(m_model->edges(lastRow, col).bottom, r.bottomLeft(), r.bottomRight());
        painter->restore();
    }

private:
    GridModel* m_model;
};

} // namespace

// --- cells, columns, ranges ---

QString GridCell::Text() const
{
    return m_grid->m_model->text(m_row, m_col);
}

void GridCell::setText(const QString& text)
{
    m_grid->m_model->setText(m_row, m_col, text);
}

void GridCell::setForeColor(const QColor& color)
{
    m_grid->Range(m_row, m_col, m_row, m_col).setForeColor(color);
}

void GridCell::setBackColor(const QColor& color)
{
    m_grid->Range(m_row, m_col, m_row, m_col).setBackColor(color);
}

void GridCell::setAlignment(int code)
{
    m_grid->Range(m_row, m_col, m_row, m_col).setAlignment(code);
}

void GridCell::setFontSize(int points)
{
    m_grid->Range(m_row, m_col, m_row, m_col).setFontSize(points);
}

void GridCell::setWrapText(bool wrap)
{
    m_grid->Range(m_row, m_col, m_row, m_col).setWrapText(wrap);
}

int GridColumn::Width() const
{
    return m_grid->m_model->columnWidth(m_col);
}

void GridColumn::setWidth(int pixels)
{
    m_grid->m_model->setColumnWidth(m_col, pixels);
}

int GridColumn::Alignment() const
{
    return m_grid->m_model->columnAlignment(m_col);
}

void GridColumn::setAlignment(int code)
{
    m_grid->m_model->setColumnAlignment(m_col, code);
}

int GridColumn::CellType() const
{
    return m_grid->m_model->columnCellType(m_col);
}

void GridColumn::setCellType(int type)
{
    m_grid->m_model->setColumnCellType(m_col, type);
}

template <typename Change> void GridRange::forEachCell(Change change)
{
    GridModel* model = m_grid->m_model;
    const int r2 = std::min(m_block.r2, model->rows() - 1);
    const int c2 = std::min(m_block.c2, model->cols() - 1);
    const int r1 = std::max(m_block.r1, 0);
    const int c1 = std::max(m_block.c1, 0);
    if (r1 > r2 || c1 > c2)
        return;
    for (int r = r1; r <= r2; ++r) {
        for (int c = c1; c <= c2; ++c)
            change(model->editStyle(r, c));
    }
    model->styleChanged(r1, c1, r2, c2);
}

void GridRange::setAlignment(int code)
{
    forEachCell([code](GridCellStyle& s) { s.alignment = code; });
}

void GridRange::setBackColor(const QColor& color)
{
    forEachCell([&color](GridCellStyle& s) { s.backColor = color; });
}

void GridRange::setForeColor(const QColor& color)
{
    forEachCell([&color](GridCellStyle& s) { s.foreColor = color; });
}

void GridRange::setFontSize(int points)
{
    forEachCell([points](GridCellStyle& s) { s.fontSize = points; });
}

void GridRange::setWrapText(bool wrap)
{
    forEachCell([wrap](GridCellStyle& s) { s.wrap = wrap; });
}

void GridRange::Merge()
{
    m_grid->m_model->merge(m_block);
}

void GridRange::setBorders(int edge, int style)
{
    m_grid->m_model->setBorder(m_block, edge, style);
}

int GridRange::Borders(int edge) const
{
    return m_grid->m_model->border(m_block, edge);
}

// --- the grid ---

Grid::Grid(QWidget* parent) : QTableView(parent), m_model(new GridModel(this))
{
    setModel(m_model);
    setItemDelegate(new GridDelegate(m_model, this));
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setEditTriggers(NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setHighlightSections(false);

    connect(m_model, &QAbstractItemModel::modelReset, this, &Grid::applyLayout);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &Grid::applyLayout);
    connect(m_model, &GridModel::layoutSettingsChanged, this, &Grid::applyLayout);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &Grid::headerClicked);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        // A width the user dragged becomes the column's width.
        if (!m_applying && !isColumnHidden(section)) {
            m_applying = true;
            m_model->setColumnWidth(section + 1, size);
            m_applying = false;
        }
        placeCharts();
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, &Grid::placeCharts);
    connect(this, &QAbstractItemView::clicked, this, &Grid::Click);
    setDefaultFontSize(9);
    applyLayout();
}

int Grid::Rows() const
{
    return m_model->rows();
}

void Grid::setRows(int rows)
{
    m_model->setRows(rows);
}

int Grid::Cols() const
{
    return m_model->cols();
}

void Grid::setCols(int cols)
{
    m_model->setCols(cols);
}

void Grid::AddItem(const QString& tabText)
{
    m_model->addItem(tabText);
}

void Grid::AddRow(std::span<const QAnyStringView> cells)
{
    m_model->addRow(cells);
}

void Grid::RemoveItem(int row)
{
    m_model->removeItem(row);
}

QString Grid::text(int row, int col) const
{
    return m_model->text(row, col);
}

GridActiveCell Grid::ActiveCell() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return GridActiveCell(0, 0);
    return GridActiveCell(current.row() + 1, current.column() + 1);
}

void Grid::setActiveCell(int row, int col)
{
    if (row < 1 || row >= Rows()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    setCurrentIndex(m_model->index(row - 1, std::max(col, 1) - 1));
}

int Grid::RowHeight(int row) const
{
    return m_model->rowHeight(row);
}

void Grid::setRowHeight(int row, int pixels)
{
    m_model->setRowHeight(row, pixels);
}

int Grid::DefaultRowHeight() const
{
    return m_model->defaultRowHeight();
}

void Grid::setDefaultRowHeight(int pixels)
{
    m_model->setDefaultRowHeight(pixels);
}

int Grid::DefaultFontSize() const
{
    return m_model->fontSize();
}

void Grid::setDefaultFontSize(int points)
{
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
    m_model->setFontSize(points);
}

void Grid::setBackColorBkg(const QColor& color)
{
    m_backColorBkg = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
    // The grid's own rule outranks the application skin's rule for all table views.
    setStyleSheet(QStringLiteral("QTableView { background-color: %1; }").arg(color.name()));
}

QColor Grid::BackColor2() const
{
    return m_model->backColor2();
}

void Grid::setBackColor2(const QColor& color)
{
    m_model->setBackColor2(color);
}

bool Grid::AutoRedraw() const
{
    return m_model->redraw();
}

void Grid::setAutoRedraw(bool on)
{
    if (on == AutoRedraw())
        return;
    if (!on)
        setUpdatesEnabled(false);
    m_model->setRedraw(on);
    if (on)
        setUpdatesEnabled(true);
}

void Grid::Refresh()
{
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

bool Grid::ReadOnly() const
{
    return m_model->readOnly();
}

void Grid::setReadOnly(bool readOnly)
{
    m_model->setReadOnly(readOnly);
    setSelectionBehavior(readOnly ? SelectRows : SelectItems);
    setSelectionMode(readOnly ? SingleSelection : ContiguousSelection);
    setEditTriggers(readOnly ? NoEditTriggers : (DoubleClicked | EditKeyPressed | AnyKeyPressed));
}

void Grid::setAllowUserSort(bool allow)
{
    m_allowUserSort = allow;
    // The arrow shows once the user has sorted: until then no column is sorted.
    horizontalHeader()->setSortIndicatorShown(false);
}

void Grid::SortByColumn(int col, Qt::SortOrder order)
{
    m_model->sortByColumn(col, order);
    m_sortColumn = col;
    m_sortOrder = order;
}

void Grid::headerClicked(int section)
{
    if (!m_allowUserSort)
        return;
    const int col = section + 1;
    const Qt::SortOrder order =
        (col == m_sortColumn && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
    Q_EMIT BeforeUserSort(col);
    SortByColumn(col, order);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(section, order);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
    Q_EMIT AfterUserSort(col);
}

void Grid::applyLayout()
{
    m_applying = true;
    for (int c = 1; c < Cols(); ++c) {
        const int width = m_model->columnWidth(c);
        setColumnHidden(c - 1, width == 0);
        if (width > 0)
            setColumnWidth(c - 1, width);
    }
    const int headerWidth = m_model->columnWidth(0);
    verticalHeader()->setVisible(headerWidth > 0);
    verticalHeader()->setFixedWidth(headerWidth);
    const int headerHeight = RowHeight(0);
    horizontalHeader()->setVisible(headerHeight > 0);
    horizontalHeader()->setFixedHeight(headerHeight);
    verticalHeader()->setDefaultSectionSize(m_model->defaultRowHeight());

    // Rows sized earlier go back to the default before the current sizes apply.
    for (int row : std::as_const(m_sizedRows)) {
        if (row < m_model->rowCount()) {
            setRowHidden(row, false);
            QTableView::setRowHeight(row, m_model->defaultRowHeight());
        }
    }
    m_sizedRows.clear();
    for (int r : m_model->rowsWithOwnHeight()) {
        if (r == 0)
            continue;
        const int height = m_model->rowHeight(r);
        setRowHidden(r - 1, height == 0);
        if (height > 0)
            QTableView::setRowHeight(r - 1, height);
        m_sizedRows << r - 1;
    }

    clearSpans();
    for (const GridModel::Block& b : m_model->merges()) {
        if (b.r1 >= 1 && b.c1 >= 1)
            setSpan(b.r1 - 1, b.c1 - 1, b.r2 - b.r1 + 1, b.c2 - b.c1 + 1);
    }
    m_applying = false;
    placeCharts();
}

QRect Grid::cellRect(int row, int col) const
{
    if (row < 1 || col < 1 || row >= Rows() || col >= Cols())
        return {};
    return visualRect(m_model->index(row - 1, col - 1));
}

QWidget* Grid::AddChart(int row, int col, QWidget* chart)
{
    RemoveChart(row, col);
    if (!chart)
        return nullptr;
    chart->setParent(viewport());
    m_charts.insert(chartKey(row, col), chart);
    chart->show();
    placeCharts();
    return chart;
}

QWidget* Grid::Chart(int row, int col) const
{
    return m_charts.value(chartKey(row, col)).data();
}

void Grid::RemoveChart(int row, int col)
{
    if (QPointer<QWidget> chart = m_charts.take(chartKey(row, col)))
        delete chart.data();
}

void Grid::placeCharts()
{
    for (auto it = m_charts.cbegin(); it != m_charts.cend(); ++it) {
        if (!it.value())
            continue;
        const int row = int(it.key() >> 32);
        const int col = int(it.key() & 0xffffffffu);
        const QRect rect = cellRect(row, col);
        it.value()->setVisible(rect.isValid() && !rect.isEmpty());
        if (rect.isValid())
            it.value()->setGeometry(rect);
    }
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    Q_EMIT DblClick();
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Copy) {
        copySelection();
        return;
    }
    QTableView::keyPressEvent(event);
}

void Grid::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    placeCharts();
}

void Grid::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    placeCharts();
}

void Grid::copySelection()
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    int r1 = INT_MAX, c1 = INT_MAX, r2 = -1, c2 = -1;
    for (const QModelIndex& index : selected) {
        r1 = std::min(r1, index.row() + 1);
        r2 = std::max(r2, index.row() + 1);
        c1 = std::min(c1, index.column() + 1);
        c2 = std::max(c2, index.column() + 1);
    }
    QStringList lines;
    for (int r = r1; r <= r2; ++r) {
        QStringList cells;
        for (int c = c1; c <= c2; ++c)
            cells << m_model->text(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lines.join(QStringLiteral("\r\n")));
}

void Grid::PrintPreview()
{
    const QString title = m_pageSetup.Header.isEmpty() ? window()->windowTitle() : m_pageSetup.Header;
    prompts().printPreview(title, [this](QPrinter* printer) { PrintTo(printer); });
}
