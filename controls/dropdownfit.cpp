#include "controls/dropdownfit.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionMenuItem>

namespace {

int widestEntry(const QComboBox* combo, const QFontMetrics& metrics)
{
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i)));
    return widest;
}

// What the opened list needs around its widest entry: the margins of an entry drawn as a menu
// item, the list's frame and, when not every entry fits in its height, its scroll bar.
int listWidthForEntries(const QComboBox* combo)
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
    const int margins =
        combo->style()
            ->sizeFromContents(QStyle::CT_MenuItem, &item, QSize(Wide, metrics.height()), combo)
            .width() -
        Wide;
    int width = widestEntry(combo, metrics) + margins + 2 * view->frameWidth();
    if (combo->count() > combo->maxVisibleItems())
        width += combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    return width;
}

// Refits the opened list whenever its entries or its font change.
class ListFit : public QObject
{
public:
    static constexpr const char* Key = "dezarodListFit";

    explicit ListFit(QComboBox* combo) : QObject(combo), m_combo(combo)
    {
        QAbstractItemModel* model = combo->model();
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model, signal, this, &ListFit::fit);
        connect(model, &QAbstractItemModel::modelReset, this, &ListFit::fit);
        connect(model, &QAbstractItemModel::dataChanged, this, &ListFit::fit);
        combo->view()->installEventFilter(this);
        combo->setProperty(Key, true);
        fit();
    }

    void fit() { m_combo->view()->setMinimumWidth(listWidthForEntries(m_combo)); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            fit();
        return false;
    }

private:
    QComboBox* m_combo;
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

void FitWidthToEntries(QComboBox* combo)
{
    combo->resize(std::max(combo->width(), WidthForEntries(combo)), combo->height());
}

void KeepListFitToEntries(QComboBox* combo)
{
    if (!combo->property(ListFit::Key).toBool())
        new ListFit(combo);
}
