#include "tests/app/windowtexts.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>

#include "controls/dropdownfit.h"
#include "controls/foxtextbase.h"
#include "controls/vsnetbut.h"
#include "platform/grid.h"
#include "platform/gridmodel.h"

void PrintTo(const CutText& cut, std::ostream* os)
{
    *os << cut.control.toStdString() << " \"" << cut.text.toStdString() << "\" needs " << cut.needed
        << " px, has " << cut.room;
}

namespace {

// A caption as drawn: "&" marks the access key and is not shown, "&&" shows one "&".
QString withoutAccessKey(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

class Gatherer
{
public:
    explicit Gatherer(QWidget* window) : m_window(window) {}

    QList<CutText> run()
    {
        for (QWidget* w : m_window->findChildren<QWidget*>()) {
            if (belongs(w) && w->isVisibleTo(m_window))
                measure(w);
        }
        return m_cuts;
    }

private:
    // Controls of this window itself: not of a child window, a drop-down's parts or a grid's.
    bool belongs(const QWidget* w) const
    {
        for (const QWidget* p = w; p && p != m_window; p = p->parentWidget()) {
            if (p->isWindow() || qobject_cast<const QMdiSubWindow*>(p))
                return false;
            if (p != w && (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractItemView*>(p)))
                return false;
        }
        return true;
    }

    void add(const QWidget* w, const QString& text, int needed, int room)
    {
        // A text box's field is named after the box.
        if (qobject_cast<const FoxTextBase*>(w->parentWidget()))
            w = w->parentWidget();
        const QString name = w->objectName().isEmpty() ? QString() : QLatin1Char(' ') + w->objectName();
        m_cuts.append(
            {m_window->metaObject()->className() + QStringLiteral(": ") + w->metaObject()->className() + name,
             text, needed, room});
    }

    // A text of needed pixels drawn in textRect (the control's coordinates) with alignment: it must
    // fit the rectangle, as wide and as high as its lines in the control's font, the part of the
    // control it covers must not lie beyond a parent's edge, and no other control may lie over it.
    void check(QWidget* w, const QString& text, int needed, const QRect& textRect, Qt::Alignment alignment)
    {
        const int neededHeight = w->fontMetrics().height() * int(text.count(QLatin1Char('\n')) + 1);
        if (needed > textRect.width()) {
            add(w, text, needed, textRect.width());
            return;
        }
        if (neededHeight > textRect.height()) {
            add(w, text + QStringLiteral(" (height)"), neededHeight, textRect.height());
            return;
        }
        if (!(alignment & Qt::AlignVertical_Mask))
            alignment |= Qt::AlignVCenter;
        const QRect shown = inWindow(
            w, QStyle::alignedRect(w->layoutDirection(), alignment, QSize(needed, neededHeight), textRect));
        if (shown.isNull() && scrolledAway(w))
            return;
        if (shown.width() < needed) {
            add(w, text, needed, shown.width());
            return;
        }
        if (shown.height() < neededHeight) {
            add(w, text + QStringLiteral(" (height)"), neededHeight, shown.height());
            return;
        }
        if (const QWidget* cover = coveredBy(w, shown))
            add(w, text + QStringLiteral(" (under %1)").arg(nameOf(cover)), needed, 0);
    }

    // The rectangle of w (its own coordinates) in the window, cut to what its parents show; empty
    // where a parent with a scroll bar of its own has scrolled it (partly) out of its rows, which
    // the bar brings into view: that is not cut.
    QRect inWindow(const QWidget* w, QRect r) const
    {
        r &= w->rect();
        for (const QWidget* p = w; p != m_window && !r.isEmpty(); p = p->parentWidget()) {
            r.translate(p->pos());
            const QWidget* parent = p->parentWidget();
            if (scrollsRows(parent) && (r.top() < 0 || r.bottom() > parent->rect().bottom()))
                return QRect();
            r &= parent->rect();
        }
        return r;
    }

    // Whether a parent with its own scroll bar holds w (partly) out of view.
    bool scrolledAway(const QWidget* w) const
    {
        QRect r = w->rect();
        for (const QWidget* p = w; p != m_window; p = p->parentWidget()) {
            r.translate(p->pos());
            const QWidget* parent = p->parentWidget();
            if (scrollsRows(parent) && (r.top() < 0 || r.bottom() > parent->rect().bottom()))
                return true;
        }
        return false;
    }

    static bool scrollsRows(const QWidget* w)
    {
        for (const QScrollBar* bar : w->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
            if (bar->orientation() == Qt::Vertical && bar->isVisibleTo(w))
                return true;
        }
        return false;
    }

    // What paints over a control: a visible control of the window stacked above it (a later child
    // of their closest common parent) that fills the place. Frames, which draw only their edges, and
    // plain panels without a background of their own let it show through.
    const QWidget* coveredBy(const QWidget* w, const QRect& textInWindow) const
    {
        for (const QWidget* other : m_window->findChildren<QWidget*>()) {
            if (other == w || !belongs(other) || !other->isVisibleTo(m_window) || other->isAncestorOf(w) ||
                w->isAncestorOf(other) || qobject_cast<const QGroupBox*>(other) ||
                (!other->autoFillBackground() &&
                 QLatin1String(other->metaObject()->className()) == QLatin1String("QWidget")))
                continue;
            if (!isAbove(other, w))
                continue;
            if (inWindow(other, other->rect()).intersects(textInWindow))
                return other;
        }
        return nullptr;
    }

    // Whether a is stacked above b: among the children of their closest common parent, the branch of
    // a comes later.
    static bool isAbove(const QWidget* a, const QWidget* b)
    {
        const QWidget* common = a->parentWidget();
        while (common && !common->isAncestorOf(b))
            common = common->parentWidget();
        if (!common)
            return false;
        const auto branch = [common](const QWidget* w) {
            while (w->parentWidget() != common)
                w = w->parentWidget();
            return w;
        };
        const QObjectList& children = common->children();
        return children.indexOf(branch(a)) > children.indexOf(branch(b));
    }

    static QString nameOf(const QWidget* w)
    {
        return QLatin1String(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    }

    void measure(QWidget* w)
    {
        if (auto* label = qobject_cast<QLabel*>(w))
            measureLabel(label);
        else if (auto* button = qobject_cast<QPushButton*>(w))
            measurePushButton(button);
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            measureOption(box, QStyle::SE_CheckBoxContents);
        else if (auto* option = qobject_cast<QRadioButton*>(w))
            measureOption(option, QStyle::SE_RadioButtonContents);
        else if (auto* frame = qobject_cast<QGroupBox*>(w))
            measureGroupBox(frame);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            measureCombo(combo);
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            measureLineEdit(edit);
        else if (auto* grid = qobject_cast<Grid*>(w))
            measureGrid(grid);
        else if (auto* list = qobject_cast<QListView*>(w))
            measureList(list);
        else if (auto* button = qobject_cast<VsNetBut*>(w))
            measureVsNetBut(button);
    }

    void measureLabel(QLabel* label)
    {
        const QString text = label->text();
        if (text.isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText)
            return;
        const QString shown = label->buddy() ? withoutAccessKey(text) : text;
        const int margin = label->margin();
        QRect r = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        int indent = label->indent();
        if (indent < 0 && label->frameWidth() > 0)
            indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
        if (indent > 0) {
            if (label->alignment() & Qt::AlignLeft)
                r.setLeft(r.left() + indent);
            else if (label->alignment() & Qt::AlignRight)
                r.setRight(r.right() - indent);
        }
        check(label, text, widestLine(label->fontMetrics(), shown), r, label->alignment());
    }

    void measurePushButton(QPushButton* button)
    {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        opt.icon = button->icon();
        opt.iconSize = button->iconSize();
        if (button->isDefault())
            opt.features |= QStyleOptionButton::DefaultButton;
        if (button->autoDefault())
            opt.features |= QStyleOptionButton::AutoDefaultButton;
        if (button->isFlat())
            opt.features |= QStyleOptionButton::Flat;
        QRect r = button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
        if (!opt.icon.isNull())
            r.setLeft(r.left() + opt.iconSize.width() + 4);
        check(button, opt.text, widestLine(button->fontMetrics(), withoutAccessKey(opt.text)), r,
              Qt::AlignHCenter);
    }

    void measureOption(QAbstractButton* button, QStyle::SubElement contents)
    {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        opt.icon = button->icon();
        opt.iconSize = button->iconSize();
        const QRect r = button->style()->subElementRect(contents, &opt, button);
        check(button, opt.text, widestLine(button->fontMetrics(), withoutAccessKey(opt.text)), r,
              Qt::AlignLeft);
    }

    void measureGroupBox(QGroupBox* frame)
    {
        if (frame->title().isEmpty())
            return;
        QStyleOptionGroupBox opt;
        opt.initFrom(frame);
        opt.text = frame->title();
        opt.lineWidth = 1;
        opt.midLineWidth = 0;
        opt.textAlignment = frame->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (frame->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        if (frame->isFlat())
            opt.features |= QStyleOptionFrame::Flat;
        const QRect r =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, frame);
        // The style places the title in a rectangle of its own making; the whole of it must show.
        const int needed =
            std::max(r.width(), frame->fontMetrics().horizontalAdvance(withoutAccessKey(opt.text)));
        check(frame, opt.text, needed, r.adjusted(0, 0, needed - r.width(), 0), Qt::AlignLeft);
    }

    // Every entry, as the closed box would show it once chosen, and in the opened list.
    void measureCombo(QComboBox* combo)
    {
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        opt.editable = combo->isEditable();
        opt.frame = combo->hasFrame();
        opt.subControls = QStyle::SC_All;
        opt.currentText = combo->currentText();
        // The label is drawn one pixel in from each side of the edit field.
        const QRect field =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo)
                .adjusted(1, 0, -1, 0);
        int widest = -1;
        for (int i = 0; i < combo->count(); ++i) {
            if (widest < 0 || combo->fontMetrics().horizontalAdvance(combo->itemText(i)) >
                                  combo->fontMetrics().horizontalAdvance(combo->itemText(widest)))
                widest = i;
        }
        if (widest < 0)
            return;
        const QString longest = combo->itemText(widest);
        check(combo, longest, combo->fontMetrics().horizontalAdvance(longest), field, Qt::AlignLeft);

        // The opened list draws its entries as menu items: the style's margins around the text.
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        if (view->isVisible()) {
            const QFontMetrics metrics(view->font());
            const int margins = EntryMargins(combo);
            const int needed = metrics.horizontalAdvance(longest) + margins;
            if (needed > view->viewport()->width())
                add(combo, longest + QStringLiteral(" (list)"), needed, view->viewport()->width());
            if (view->font().pointSize() != combo->font().pointSize())
                add(combo,
                    longest + QStringLiteral(" (list in %1 pt, box in %2 pt)")
                                  .arg(view->font().pointSize())
                                  .arg(combo->font().pointSize()),
                    0, 0);
        }
        combo->hidePopup();
    }

    // A text box shows its text whole; a text longer than the box, from its start.
    void measureLineEdit(QLineEdit* edit)
    {
        const QString text = edit->displayText();
        if (text.isEmpty() || edit->hasFocus())
            return;
        QStyleOptionFrame opt;
        opt.initFrom(edit);
        opt.rect = edit->rect();
        opt.lineWidth =
            edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
        opt.midLineWidth = 0;
        opt.state |= QStyle::State_Sunken;
        // The line edit keeps two pixels on each side and a pixel for the cursor.
        const QRect r = edit->style()
                            ->subElementRect(QStyle::SE_LineEditContents, &opt, edit)
                            .marginsRemoved(edit->textMargins())
                            .adjusted(2, 0, -3, 0);
        const int needed = edit->fontMetrics().horizontalAdvance(text);
        if (needed > r.width() && edit->cursorPosition() != 0)
            add(edit, text + QStringLiteral(" (not from its start)"), needed, r.width());
        else if (needed <= r.width())
            check(edit, text, needed, r, edit->alignment());
    }

    // Every shown column shows its header and the texts of its rows whole (a merged cell in the
    // columns it spans; a wrapping cell breaks its text into lines and is left out).
    void measureGrid(Grid* grid)
    {
        QHeaderView* header = grid->horizontalHeader();
        const QAbstractItemModel* model = grid->model();
        for (int c = 0; c < model->columnCount(); ++c) {
            if (grid->isColumnHidden(c) || grid->columnWidth(c) <= 0)
                continue;
            const QString caption = model->headerData(c, Qt::Horizontal).toString();
            if (header->isVisible() && !caption.isEmpty() &&
                header->sectionSizeHint(c) > grid->columnWidth(c))
                add(grid, caption + QStringLiteral(" (header)"), header->sectionSizeHint(c),
                    grid->columnWidth(c));
            for (int r = 0; r < model->rowCount(); ++r) {
                const QModelIndex index = model->index(r, c);
                const GridCellStyle* style = grid->gridModel()->style(r + 1, c + 1);
                if (grid->isRowHidden(r) || grid->rowHeight(r) <= 0 || index.data().toString().isEmpty() ||
                    (style && style->wrap))
                    continue;
                int room = 0;
                for (int s = c; s < c + grid->columnSpan(r, c); ++s)
                    room += grid->isColumnHidden(s) ? 0 : grid->columnWidth(s);
                const int needed = grid->sizeHintForIndex(index).width() + (grid->showGrid() ? 1 : 0);
                if (needed > room)
                    add(grid, index.data().toString(), needed, room);
            }
        }
    }

    void measureList(QListView* list)
    {
        const int room = list->viewport()->width();
        for (int r = 0; r < list->model()->rowCount(list->rootIndex()); ++r) {
            const QModelIndex index = list->model()->index(r, list->modelColumn(), list->rootIndex());
            if (list->isRowHidden(r))
                continue;
            const int needed = list->sizeHintForIndex(index).width();
            if (needed > room)
                add(list, index.data().toString(), needed, room);
        }
    }

    void measureVsNetBut(VsNetBut* button)
    {
        if (button->Caption().isEmpty() || !button->ShowCaption() || button->AutoMultiLine())
            return;
        const QString text = withoutAccessKey(button->Caption());
        const QRect r = button->captionRect();
        // A caption moved off the face on purpose (a row's number kept on its delete button) is not shown.
        if (!r.isNull() && r.left() >= button->width())
            return;
        check(button, button->Caption(), QFontMetrics(button->font()).horizontalAdvance(text),
              r.isNull() ? QRect(0, 0, 0, 0) : r, Qt::AlignHCenter);
    }

    QWidget* m_window;
    QList<CutText> m_cuts;
};

} // namespace

QList<CutText> CutTexts(QWidget* window)
{
    return Gatherer(window).run();
}
