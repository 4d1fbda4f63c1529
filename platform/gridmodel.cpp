#include "platform/gridmodel.h"

#include <algorithm>

#include <QFont>
#include <QStringTokenizer>

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent), m_rows(1), m_texts(1, 2), m_columns(2) {}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, rows() - 1);
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_cols - 1);
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    const int r = index.row() + 1;
    const int c = index.column() + 1;
    if (!index.isValid() || r >= rows() || c >= m_cols)
        return {};
    const GridCellStyle* s = style(r, c);
    switch (role) {
    case Qt::DisplayRole:
        return columnCellType(c) == 2 ? QVariant() : QVariant(text(r, c));
    case Qt::EditRole:
        return text(r, c);
    case Qt::CheckStateRole:
        if (columnCellType(c) != 2)
            return {};
        return isChecked(r, c) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(effectiveAlignment(r, c)));
    case Qt::BackgroundRole:
        if (s && s->backColor.isValid())
            return s->backColor;
        return r % 2 == 0 ? m_backColor2 : m_backColor1;
    case Qt::ForegroundRole:
        return s && s->foreColor.isValid() ? QVariant(s->foreColor) : QVariant();
    case Qt::FontRole:
        if (s && s->fontSize > 0) {
            QFont f;
            f.setPointSize(s->fontSize);
            return f;
        }
        return {};
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || m_readOnly)
        return false;
    const int r = index.row() + 1;
    const int c = index.column() + 1;
    if (role == Qt::CheckStateRole)
        setText(r, c, value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0"));
    else if (role == Qt::EditRole)
        setText(r, c, value.toString());
    else
        return false;
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int r = orientation == Qt::Horizontal ? 0 : section + 1;
    const int c = orientation == Qt::Horizontal ? section + 1 : 0;
    if (r >= rows() || c >= m_cols)
        return {};
    if (role == Qt::DisplayRole)
        return text(r, c);
    if (role == Qt::TextAlignmentRole) {
        const GridCellStyle* s = style(r, c);
        return QVariant::fromValue(alignmentOf(s && s->alignment ? s->alignment : 10));
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_readOnly) {
        f |= Qt::ItemIsEditable;
        if (columnCellType(index.column() + 1) == 2)
            f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

void GridModel::setRedraw(bool on)
{
    if (on == m_redraw)
        return;
    m_redraw = on;
    if (!on)
        return;
    if (m_resetOpen) {
        m_resetOpen = false;
        m_dirty = false;
        endResetModel();
    } else if (m_dirty) {
        m_dirty = false;
        if (rowCount() > 0 && columnCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, std::max(0, columnCount() - 1));
        Q_EMIT layoutSettingsChanged();
    }
}

void GridModel::beginChange()
{
    if (m_redraw) {
        beginResetModel();
    } else if (!m_resetOpen) {
        m_resetOpen = true;
        beginResetModel();
    }
}

void GridModel::endChange()
{
    if (m_redraw)
        endResetModel();
}

void GridModel::cellsChanged(int r1, int c1, int r2, int c2)
{
    if (!m_redraw) {
        m_dirty = true;
        return;
    }
    if (r1 == 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, std::max(c1, 1) - 1, c2 - 1);
    if (c1 == 0 && r2 >= 1)
        Q_EMIT headerDataChanged(Qt::Vertical, std::max(r1, 1) - 1, r2 - 1);
    if (r2 >= 1 && c2 >= 1)
        Q_EMIT dataChanged(index(std::max(r1, 1) - 1, std::max(c1, 1) - 1), index(r2 - 1, c2 - 1));
}

void GridModel::setRows(int count)
{
    count = std::max(0, count);
    if (count == rows())
        return;
    beginChange();
    m_rows.resize(count);
    m_texts.resize(count, m_cols);
    m_merges.removeIf([count](const Block& b) { return b.r2 >= count; });
    endChange();
    Q_EMIT layoutSettingsChanged();
}

void GridModel::setCols(int count)
{
    count = std::max(1, count);
    if (count == m_cols)
        return;
    beginChange();
    m_cols = count;
    m_columns.resize(count);
    m_texts.resize(rows(), count);
    for (Row& row : m_rows)
        row.styles.removeIf([count](const auto& it) { return it.key() >= count; });
    m_merges.removeIf([count](const Block& b) { return b.c2 >= count; });
    endChange();
    Q_EMIT layoutSettingsChanged();
}

void GridModel::addItem(const QString& tabText)
{
    std::vector<QAnyStringView> pieces;
    for (const QStringView piece : QStringTokenizer(tabText, QLatin1Char('\t'))) {
        if (int(pieces.size()) >= m_cols - 1)
            break;
        pieces.push_back(piece);
    }
    addRow(pieces);
}

void GridModel::addRow(std::span<const QAnyStringView> cells)
{
    // The texts are kept first: the model shows the row only from m_rows.emplace_back() on.
    m_texts.appendRow(cells, 1);
    if (m_redraw)
        beginInsertRows(QModelIndex(), rowCount(), rowCount());
    else
        beginChange();
    m_rows.emplace_back();
    if (m_redraw)
        endInsertRows();
}

void GridModel::removeItem(int row)
{
    if (row < 1 || row >= rows())
        return;
    if (m_redraw)
        beginRemoveRows(QModelIndex(), row - 1, row - 1);
    else
        beginChange();
    m_rows.erase(m_rows.begin() + row);
    m_texts.removeRow(row);
    if (m_redraw)
        endRemoveRows();
}

QString GridModel::text(int row, int col) const
{
    const QStringView view = textView(row, col);
    return view.isEmpty() ? QString() : view.toString();
}

QStringView GridModel::textView(int row, int col) const
{
    if (row < 0 || row >= rows() || col < 0 || col >= m_cols)
        return {};
    return m_texts.text(row, col);
}

void GridModel::setText(int row, int col, QAnyStringView text)
{
    if (row < 0 || row >= rows() || col < 0 || col >= m_cols)
        return;
    m_texts.setText(row, col, text);
    cellsChanged(row, col, row, col);
}

const GridCellStyle* GridModel::style(int row, int col) const
{
    if (row < 0 || row >= rows())
        return nullptr;
    const auto& styles = m_rows[row].styles;
    if (styles.isEmpty())
        return nullptr;
    const auto it = styles.constFind(col);
    return it == styles.cend() ? nullptr : &it.value();
}

GridCellStyle& GridModel::editStyle(int row, int col)
{
    return m_rows[row].styles[col];
}

void GridModel::styleChanged(int r1, int c1, int r2, int c2)
{
    cellsChanged(r1, c1, r2, c2);
}

int GridModel::columnWidth(int col) const
{
    return col >= 0 && col < m_cols ? m_columns[col].width : 0;
}

void GridModel::setColumnWidth(int col, int width)
{
    if (col < 0 || col >= m_cols || m_columns[col].width == width)
        return;
    m_columns[col].width = std::max(0, width);
    Q_EMIT layoutSettingsChanged();
}

int GridModel::columnAlignment(int col) const
{
    return col >= 0 && col < m_cols ? m_columns[col].alignment : 0;
}

void GridModel::setColumnAlignment(int col, int code)
{
    if (col < 0 || col >= m_cols)
        return;
    m_columns[col].alignment = code;
    cellsChanged(1, col, std::max(1, rows() - 1), col);
}

int GridModel::columnCellType(int col) const
{
    return col >= 0 && col < m_cols ? m_columns[col].cellType : 0;
}

void GridModel::setColumnCellType(int col, int type)
{
    if (col < 0 || col >= m_cols)
        return;
    m_columns[col].cellType = type;
    cellsChanged(1, col, std::max(1, rows() - 1), col);
}

int GridModel::rowHeight(int row) const
{
    if (row < 0 || row >= rows())
        return 0;
    return m_rows[row].height < 0 ? m_defaultRowHeight : m_rows[row].height;
}

void GridModel::setRowHeight(int row, int height)
{
    if (row < 0 || row >= rows())
        return;
    m_rows[row].height = std::max(0, height);
    Q_EMIT layoutSettingsChanged();
}

void GridModel::setDefaultRowHeight(int height)
{
    m_defaultRowHeight = std::max(1, height);
    Q_EMIT layoutSettingsChanged();
}

QList<int> GridModel::rowsWithOwnHeight() const
{
    QList<int> list;
    for (int r = 0; r < rows(); ++r) {
        if (m_rows[r].height >= 0)
            list << r;
    }
    return list;
}

void GridModel::setBackColor2(const QColor& color)
{
    m_backColor2 = color;
    cellsChanged(1, 1, std::max(1, rows() - 1), std::max(1, m_cols - 1));
}

void GridModel::merge(const Block& block)
{
    if (block.r1 > block.r2 || block.c1 > block.c2 || block.r2 >= rows() || block.c2 >= m_cols)
        return;
    m_merges.removeIf([&block](const Block& b) {
        return !(b.r2 < block.r1 || b.r1 > block.r2 || b.c2 < block.c1 || b.c1 > block.c2);
    });
    m_merges << block;
    Q_EMIT layoutSettingsChanged();
}

void GridModel::setBorder(const Block& block, int edge, int style)
{
    const auto same = [&](const BorderRule& rule) { return rule.block == block && rule.edge == edge; };
    const bool had = std::any_of(m_borders.cbegin(), m_borders.cend(), same);
    m_borders.removeIf(same);
    // A removal needs a rule of its own only where another block still draws on these cells.
    const bool covered = std::any_of(m_borders.cbegin(), m_borders.cend(), [&](const BorderRule& rule) {
        return rule.style != GridLineNone && !(rule.block.r2 < block.r1 || rule.block.r1 > block.r2 ||
                                               rule.block.c2 < block.c1 || rule.block.c1 > block.c2);
    });
    if (style != GridLineNone || covered)
        m_borders.append({block, edge, style});
    if (std::none_of(m_borders.cbegin(), m_borders.cend(),
                     [](const BorderRule& rule) { return rule.style != GridLineNone; }))
        m_borders.clear();
    if (had || style != GridLineNone)
        cellsChanged(block.r1, block.c1, block.r2, block.c2);
}

int GridModel::border(const Block& block, int edge) const
{
    for (const BorderRule& rule : m_borders) {
        if (rule.block == block && rule.edge == edge)
            return rule.style;
    }
    return GridLineNone;
}

bool GridModel::visibleColumn(int c) const
{
    return columnWidth(c) > 0;
}

bool GridModel::visibleRow(int r) const
{
    return rowHeight(r) > 0;
}

int GridModel::firstVisibleColumn(int from, int to) const
{
    for (int c = from; c <= to; ++c) {
        if (visibleColumn(c))
            return c;
    }
    return -1;
}

int GridModel::lastVisibleColumn(int from, int to) const
{
    for (int c = to; c >= from; --c) {
        if (visibleColumn(c))
            return c;
    }
    return -1;
}

int GridModel::firstVisibleRow(int from, int to) const
{
    for (int r = from; r <= to; ++r) {
        if (visibleRow(r))
            return r;
    }
    return -1;
}

int GridModel::lastVisibleRow(int from, int to) const
{
    for (int r = to; r >= from; --r) {
        if (visibleRow(r))
            return r;
    }
    return -1;
}

GridCellEdges GridModel::edges(int row, int col) const
{
    GridCellEdges e;
    for (const BorderRule& rule : m_borders) {
        const Block& b = rule.block;
        if (!b.contains(row, col))
            continue;
        const int r2 = std::min(b.r2, rows() - 1);
        const int c2 = std::min(b.c2, m_cols - 1);
        const bool first = row == firstVisibleRow(b.r1, r2);
        const bool last = row == lastVisibleRow(b.r1, r2);
        const bool left = col == firstVisibleColumn(b.c1, c2);
        const bool right = col == lastVisibleColumn(b.c1, c2);
        switch (rule.edge) {
        case 0:
            if (left)
                e.left = rule.style;
            break;
        case 1:
            if (first)
                e.top = rule.style;
            break;
        case 2:
            if (right)
                e.right = rule.style;
            break;
        case 3:
            if (last)
                e.bottom = rule.style;
            break;
        case 4:
            if (!first)
                e.top = rule.style;
            if (!last)
                e.bottom = rule.style;
            break;
        case 5:
            if (!left)
                e.left = rule.style;
            if (!right)
                e.right = rule.style;
            break;
        default:
            break;
        }
    }
    return e;
}

void GridModel::sortByColumn(int col, Qt::SortOrder order)
{
    if (col < 0 || col >= m_cols || rows() < 3)
        return;
    const auto less = [this, col](int a, int b) {
        const QStringView ta = textView(a, col);
        const QStringView tb = textView(b, col);
        bool okA = false;
        bool okB = false;
        const double x = ta.toDouble(&okA);
        const double y = tb.toDouble(&okB);
        if (okA && okB)
            return x < y;
        return ta < tb;
    };
    std::vector<int> order_(rows() - 1);
    for (int i = 0; i < int(order_.size()); ++i)
        order_[i] = i + 1;
    std::stable_sort(order_.begin(), order_.end(),
                     [&](int a, int b) { return order == Qt::AscendingOrder ? less(a, b) : less(b, a); });

    if (m_redraw)
        Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    sorted.push_back(std::move(m_rows[0]));
    std::vector<int> newRowOf(m_rows.size(), 0);
    for (int i = 0; i < int(order_.size()); ++i) {
        newRowOf[order_[i]] = i + 1;
        sorted.push_back(std::move(m_rows[order_[i]]));
    }
    m_rows = std::move(sorted);
    order_.insert(order_.begin(), 0);
    m_texts.reorder(order_);
    if (!m_redraw) {
        beginChange();
        return;
    }
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to << index.sibling(newRowOf[index.row() + 1] - 1, index.column());
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

Qt::Alignment GridModel::alignmentOf(int code)
{
    if (code <= 0)
        return Qt::AlignLeft | Qt::AlignVCenter;
    const int h = code / 4;
    const int v = code % 4;
    Qt::Alignment a = h == 2 ? Qt::AlignHCenter : (h == 3 ? Qt::AlignRight : Qt::AlignLeft);
    a |= v == 1 ? Qt::AlignTop : (v == 3 ? Qt::AlignBottom : Qt::AlignVCenter);
    return a;
}

int GridModel::effectiveAlignment(int row, int col) const
{
    const GridCellStyle* s = style(row, col);
    if (s && s->alignment)
        return s->alignment;
    return columnAlignment(col);
}

bool GridModel::isChecked(int row, int col) const
{
    return textView(row, col) == u"1";
}
