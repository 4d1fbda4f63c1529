#include "controls/dropdownfit.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionMenuItem>

namespace {

// The widest of the entries first..last (last -1: to the end) in a font.
int widestEntry(const QComboBox* combo, const QFontMetrics& metrics, int first = 0, int last = -1)
{
    int widest = 0;
    for (int i = first; i <= (last < 0 ? combo->count() - 1 : last); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i)));
    return widest;
}

// What the opened list needs around its widest entry: the margins of an entry, the list's frame
// and, when not every entry fits in its height, its scroll bar.
int roomAroundEntries(const QComboBox* combo)
{
    const QAbstractItemView* view = combo->view();
    const int margins = EntryMargins(combo);
    int room = margins + 2 * view->frameWidth();
    if (combo->count() > combo->maxVisibleItems())
        room += combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    return room;
}

// Refits the opened list whenever its entries or its font change: entries added are measured
// alone, anything else measures them all again.
class ListFit : public QObject
{
public:
    static constexpr const char* Key = "dezarodListFit";

    explicit ListFit(QComboBox* combo) : QObject(combo), m_combo(combo)
    {
        QAbstractItemModel* model = combo->model();
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first, int last) { fit(first, last); });
        connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { fit(); });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { fit(); });
        connect(model, &QAbstractItemModel::dataChanged, this, [this] { fit(); });
        combo->view()->installEventFilter(this);
        combo->setProperty(Key, true);
        fit();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            fit();
        return false;
    }

private:
    void fit(int first = 0, int last = -1)
    {
        QAbstractItemView* view = m_combo->view();
        const QFontMetrics metrics(view->font());
        const int added = widestEntry(m_combo, metrics, first, last);
        m_widest = last < 0 ? added : std::max(m_widest, added);
        view->setMinimumWidth(m_widest + roomAroundEntries(m_combo));
    }

    QComboBox* m_combo;
    int m_widest = 0;
};

} // namespace

void FitHeightToFont(QComboBox* combo)
{
    combo->resize(combo->width(), combo->sizeHint().height());
}

int WidthForEntries(const QComboBox* combo)
{
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    opt.editable = combo->isEditable();
    opt.frame = combo->hasFrame();
    opt.subControls = QStyle::SC_All;
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
    // The style draws the entry a pixel in from each side of its field.
    return widestEntry(combo, combo->fontMetrics()) + combo->width() - field.width() + 2;
}

void KeepListFitToEntries(QComboBox* combo)
{
    if (!combo->property(ListFit::Key).toBool())
        new ListFit(combo);
}

int EntryMargins(const QComboBox* combo)
{
    const QAbstractItemView* view = combo->view();
    const QFontMetrics metrics(view->font());
    QStyleOptionMenuItem item;
    item.initFrom(view);
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.checkType = QStyleOptionMenuItem::NonExclusive;
    item.font = view->font();
    // Measured on a wide text, past any least width the style gives an item.
    constexpr int Wide = 1000;
    return combo->style()
               ->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(Wide, metrics.height()), combo)
               .width() -
           Wide;
}
