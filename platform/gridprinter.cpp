// The grid's pages: page set-up, header and footer texts, the cells with their borders and charts.
#include <algorithm>

#include <QPainter>
#include <QPixmap>
#include <QPrinter>

#include "platform/grid.h"
#include "platform/printfont.h"

namespace {

constexpr double ScreenDpi = 96.0;

Qt::Alignment bandAlignment(int code)
{
    return code == 0 ? Qt::AlignLeft : (code == 2 ? Qt::AlignRight : Qt::AlignHCenter);
}

// Draws the cells of a grid in its own pixels; the painter's transform places them on the page.
class PagePainter
{
public:
    PagePainter(const Grid& grid, QPainter& painter) : m_grid(grid), m_model(*grid.gridModel()), m_p(painter)
    {
        for (int c = 0; c < m_model.cols(); ++c) {
            m_x.push_back(m_width);
            m_width += m_model.columnWidth(c);
        }
    }

    double width() const { return m_width; }

    // Draws one row at y; the height it took.
    int drawRow(int row, int y)
    {
        const int height = m_model.rowHeight(row);
        for (int c = 0; c < m_model.cols(); ++c) {
            if (m_model.columnWidth(c) == 0)
                continue;
            const GridModel::Block* block = mergeAt(row, c);
            if (block && (c != firstShownColumn(*block) || row != block->r1))
                continue;
            if (block)
                drawCell(row, c, blockRect(*block, y), block->r2, block->c2);
            else
                drawCell(row, c, QRectF(m_x[c], y, m_model.columnWidth(c), height), row, c);
        }
        return height;
    }

private:
    const GridModel::Block* mergeAt(int row, int col) const
    {
        for (const GridModel::Block& b : m_model.merges()) {
            if (b.contains(row, col))
                return &b;
        }
        return nullptr;
    }

    int firstShownColumn(const GridModel::Block& b) const
    {
        for (int c = b.c1; c <= b.c2; ++c) {
            if (m_model.columnWidth(c) > 0)
                return c;
        }
        return b.c1;
    }

    QRectF blockRect(const GridModel::Block& b, int y) const
    {
        int height = 0;
        for (int r = b.r1; r <= b.r2; ++r)
            height += m_model.rowHeight(r);
        const double right = m_x[b.c2] + m_model.columnWidth(b.c2);
        return QRectF(m_x[b.c1], y, right - m_x[b.c1], height);
    }

    // The cell at (row, col), or the merged block from it to (lastRow, lastCol).
    void drawCell(int row, int col, const QRectF& rect, int lastRow, int lastCol)
    {
        const GridCellStyle* s = m_model.style(row, col);
        if (s && s->backColor.isValid())
            m_p.fillRect(rect, s->backColor);
        if (m_grid.PageSetup().PrintGridLines) {
            m_p.setPen(QPen(Qt::lightGray, 0.5));
            m_p.drawRect(rect);
        }
        if (QWidget* chart = m_grid.Chart(row, col)) {
            drawChart(chart, rect);
        } else if (m_model.columnCellType(col) == 2 && row > 0) {
            drawCheckBox(rect, m_model.isChecked(row, col));
        } else {
            QFont font = PrintFont(m_grid.font());
            const int points = s && s->fontSize > 0 ? s->fontSize : m_model.fontSize();
            font.setPixelSize(qRound(points * ScreenDpi / 72.0));
            m_p.setFont(font);
            m_p.setPen(s && s->foreColor.isValid() ? s->foreColor : QColor(Qt::black));
            const int code = row == 0 && !(s && s->alignment) ? 10 : m_model.effectiveAlignment(row, col);
            int flags = int(GridModel::alignmentOf(code));
            if (s && s->wrap)
                flags |= Qt::TextWordWrap;
            m_p.drawText(rect.adjusted(2, 1, -2, -1), flags, m_model.text(row, col));
        }
        drawEdges(row, col, rect, lastRow, lastCol);
    }

    void drawCheckBox(const QRectF& rect, bool checked)
    {
        const QRectF box(rect.center().x() - 5, rect.center().y() - 5, 10, 10);
        m_p.setPen(QPen(Qt::black, 1));
        m_p.drawRect(box);
        if (checked) {
            m_p.drawLine(QPointF(box.left() + 2, box.center().y()),
                         QPointF(box.center().x(), box.bottom() - 2));
            m_p.drawLine(QPointF(box.center().x(), box.bottom() - 2),
                         QPointF(box.right() - 2, box.top() + 2));
        }
    }

    // A chart prints as a picture of the cell's size, drawn at three times the screen's density.
    void drawChart(QWidget* chart, const QRectF& rect)
    {
        const QSize shown = chart->size();
        const QSize size = rect.size().toSize();
        chart->resize(size);
        constexpr double density = 3.0;
        QPixmap picture(size * density);
        picture.setDevicePixelRatio(density);
        picture.fill(Qt::white);
        chart->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
        chart->resize(shown);
        m_p.drawPixmap(rect, picture, QRectF(picture.rect()));
    }

    void drawEdges(int row, int col, const QRectF& rect, int lastRow, int lastCol)
    {
        if (!m_model.hasBorders())
            return;
        GridCellEdges e = m_model.edges(row, col);
        e.right = m_model.edges(row, lastCol).right;
        e.bottom = m_model.edges(lastRow, col).bottom;
        const auto line = [this](int style, QPointF a, QPointF b) {
            if (style == GridLineNone)
                return;
            m_p.setPen(QPen(Qt::black, style == GridLineThick ? 2 : 1));
            m_p.drawLine(a, b);
        };
        line(e.left, rect.topLeft(), rect.bottomLeft());
        line(e.top, rect.topLeft(), rect.topRight());
        line(e.right, rect.topRight(), rect.bottomRight());
        line(e.bottom, rect.bottomLeft(), rect.bottomRight());
    }

    const Grid& m_grid;
    const GridModel& m_model;
    QPainter& m_p;
    std::vector<double> m_x;
    double m_width = 0;
};

void drawBand(QPainter& p, const QRectF& rect, const QString& text, int points, int alignment, bool bottom)
{
    if (text.isEmpty())
        return;
    QFont font = PrintFont(p.font());
    font.setPointSize(points);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(rect, int(bandAlignment(alignment) | (bottom ? Qt::AlignBottom : Qt::AlignTop)), text);
}

} // namespace

int Grid::PrintTo(QPrinter* printer) const
{
    const GridPageSetup& setup = m_pageSetup;
    printer->setFullPage(true);
    printer->setPageOrientation(setup.Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    QPainter painter(printer);
    const double dpi = printer->resolution();
    const double cm = dpi / 2.54;
    const QRectF paper = printer->pageLayout().fullRectPixels(int(dpi));
    const QRectF table = paper.adjusted(setup.LeftMargin * cm, setup.TopMargin * cm, -setup.RightMargin * cm,
                                        -setup.BottomMargin * cm);
    const QRectF headerBand(table.left(), setup.HeaderMargin * cm, table.width(),
                            std::max(table.top() - setup.HeaderMargin * cm, cm));
    const QRectF footerBand(table.left(), paper.bottom() - setup.FooterMargin * cm - cm, table.width(), cm);

    PagePainter cells(*this, painter);
    double scale = dpi / ScreenDpi;
    if (cells.width() * scale > table.width() && cells.width() > 0)
        scale = table.width() / cells.width();
    const double left =
        table.left() + (setup.CenterHorizontally ? (table.width() - cells.width() * scale) / 2.0 : 0.0);
    const double available = table.height() / scale;
    const bool headerShown = RowHeight(0) > 0;

    int pages = 0;
    int row = 1;
    while (true) {
        // Skip hidden rows before deciding whether another page is needed.
        while (row < Rows() && RowHeight(row) == 0)
            ++row;
        if (pages > 0 && row >= Rows())
            break;
        if (pages > 0)
            printer->newPage();
        ++pages;
        drawBand(painter, headerBand, setup.Header, setup.HeaderFontSize, setup.HeaderAlignment, false);
        drawBand(painter, footerBand, setup.Footer, setup.FooterFontSize, setup.FooterAlignment, true);

        painter.save();
        painter.translate(left, table.top());
        painter.scale(scale, scale);
        int y = 0;
        if (headerShown && (pages == 1 || setup.RepeatHeaderRow))
            y += cells.drawRow(0, y);
        bool placed = false;
        for (; row < Rows(); ++row) {
            const int height = RowHeight(row);
            if (height == 0)
                continue;
            // Every page takes at least one row, however tall.
            if (placed && y + height > available)
                break;
            y += cells.drawRow(row, y);
            placed = true;
        }
        painter.restore();
    }
    return pages;
}
