#include "core/formsizelimits.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QVariant>
#include <QWidget>

namespace {

// Kept on the window itself, so the limits live and die with it.
const char* const LimitsProperty = "_dezarod_formSizeLimits";

QWidget* framedWindow(QWidget* frm)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frm->parentWidget()))
        return sub;
    return frm;
}

// Puts a window's limits on the window the user drags: the window itself, or the sub-window
// that frames an MDI child, and sets that window to its minimum size.
void applyLimits(QWidget* frm)
{
    const FormSizeLimits limits = FormSizeLimitsOf(frm);
    QWidget* window = framedWindow(frm);
    if (window != frm) {
        frm->setMinimumSize(0, 0);
        frm->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    window->setMinimumSize(limits.minimumSize());
    window->setMaximumSize(limits.maximumSize());
    window->resize(limits.FormMinWidth, limits.FormMinHeight);
}

// Stays with a hooked window: a window that is put into an MDI sub-window after its Load gave
// it its limits hands them on to that sub-window.
class FormSizeHook : public QObject
{
    // Its own meta-object, so that findChild finds the hook and not just any child of the window.
    Q_OBJECT

public:
    explicit FormSizeHook(QWidget* frm) : QObject(frm) { frm->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ParentChange && watched == parent())
            applyLimits(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

QSize FormSizeLimits::minimumSize() const
{
    return QSize(FormMinWidth > 100 ? FormMinWidth : 0, FormMinHeight > 100 ? FormMinHeight : 0);
}

QSize FormSizeLimits::maximumSize() const
{
    return QSize(FormMaxWidth > FormMinWidth + 100 ? FormMaxWidth : QWIDGETSIZE_MAX,
                 FormMaxHeight > FormMinHeight + 100 ? FormMaxHeight : QWIDGETSIZE_MAX);
}

FormSizeLimits FormSizeLimitsFromTwips(int MinWidth, int MinHeight, int MaxWidth, int MaxHeight)
{
    return {TwipsToPixels(MinWidth), TwipsToPixels(MinHeight), TwipsToPixels(MaxWidth),
            TwipsToPixels(MaxHeight)};
}

void SetFormSizeLimits(QWidget* Frm, int MinWidth, int MinHeight, int MaxWidth, int MaxHeight)
{
    if (!Frm)
        return;
    const FormSizeLimits limits = FormSizeLimitsFromTwips(MinWidth, MinHeight, MaxWidth, MaxHeight);
    Frm->setProperty(LimitsProperty, QVariantList{limits.FormMinWidth, limits.FormMinHeight,
                                                  limits.FormMaxWidth, limits.FormMaxHeight});
    applyLimits(Frm);
    if (!Frm->findChild<FormSizeHook*>(QString(), Qt::FindDirectChildrenOnly))
        new FormSizeHook(Frm);
}

FormSizeLimits FormSizeLimitsOf(const QWidget* Frm)
{
    const QVariantList values = Frm ? Frm->property(LimitsProperty).toList() : QVariantList();
    if (values.size() != 4)
        return {};
    return {values.at(0).toInt(), values.at(1).toInt(), values.at(2).toInt(), values.at(3).toInt()};
}

#include "formsizelimits.moc"
