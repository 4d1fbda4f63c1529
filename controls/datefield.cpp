#include "controls/datefield.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QWidget>

#include "controls/foxdate.h"
#include "controls/foxtextbase.h"
#include "platform/prompts.h"

namespace {

// The windows' date fields are FoxText boxes, whose Text is no Qt property.
QString fieldText(const QWidget* field)
{
    if (const auto* box = qobject_cast<const FoxTextBase*>(field))
        return box->Text();
    return field->property(field->property("Text").isValid() ? "Text" : "text").toString();
}

void setFieldText(QWidget* field, const QString& text)
{
    if (auto* box = qobject_cast<FoxTextBase*>(field))
        box->setText(text);
    else
        field->setProperty(field->property("Text").isValid() ? "Text" : "text", text);
}

bool within(const QWidget* container, const QWidget* widget)
{
    return container && widget && (container == widget || container->isAncestorOf(widget));
}

} // namespace

DateField::DateField(FoxDate* calendar, QObject* parent) : QObject(parent), m_calendar(calendar)
{
    connect(calendar, &FoxDate::Click, this, &DateField::onCalendarClick);
    connect(qApp, &QApplication::focusChanged, this, &DateField::onFocusChanged);
}

int DateField::addField(QWidget* field, const QString& format)
{
    m_fields.append({field, format});
    // A composite field gets its clicks on its inner parts.
    field->installEventFilter(this);
    for (QWidget* part : field->findChildren<QWidget*>())
        part->installEventFilter(this);
    return int(m_fields.size()) - 1;
}

QWidget* DateField::field(int index) const
{
    return index >= 0 && index < m_fields.size() ? m_fields.at(index).widget.data() : nullptr;
}

int DateField::indexOf(const QObject* object) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (object && within(m_fields.at(i).widget, qobject_cast<const QWidget*>(object)))
            return i;
    }
    return -1;
}

QDate DateField::readDate(const QString& text, const QDate& today)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return today;
    static const QRegularExpression fullDate(QStringLiteral("^(\\d{4})[-/](\\d{1,2})[-/](\\d{1,2})$"));
    static const QRegularExpression chineseDate(QString::fromUtf8("^(\\d{4})年(\\d{1,2})月(\\d{1,2})日$"));
    static const QRegularExpression yearMonth(
        QString::fromUtf8("^(\\d{4})(?:[-/](\\d{1,2})|年(\\d{1,2})月)$"));
    static const QRegularExpression monthDay(QString::fromUtf8("^(\\d{1,2})月(\\d{1,2})日$"));
    QRegularExpressionMatch match = fullDate.match(trimmed);
    if (!match.hasMatch())
        match = chineseDate.match(trimmed);
    if (match.hasMatch())
        return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    match = yearMonth.match(trimmed);
    if (match.hasMatch())
        return QDate(match.captured(1).toInt(), (match.captured(2) + match.captured(3)).toInt(), 1);
    match = monthDay.match(trimmed);
    if (match.hasMatch())
        return QDate(today.year(), match.captured(1).toInt(), match.captured(2).toInt());
    return QDate();
}

QDate DateField::readBox(const QString& text)
{
    if (text.trimmed().isEmpty())
        return QDate();
    return readDate(text, QDate::currentDate());
}

void ReportUnreadableDate(FoxTextBase* box, const QString& text)
{
    MsgBox(text);
    box->setLocked(false);
}

bool DateField::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            const int index = indexOf(watched);
            if (index >= 0)
                open(index);
        }
    }
    return QObject::eventFilter(watched, event);
}

void DateField::open(int index)
{
    QWidget* widget = field(index);
    if (!widget || !m_calendar)
        return;
    const QDate date = readDate(fieldText(widget), QDate::currentDate());
    if (!date.isValid()) {
        m_calendar->hide();
        Q_EMIT unreadable(index);
        return;
    }
    m_current = index;
    m_calendar->setSelDate(date);
    if (QWidget* host = m_calendar->parentWidget()) {
        // Under the field's left edge, kept inside the window.
        const QPoint under = host->mapFromGlobal(widget->mapToGlobal(QPoint(0, widget->height())));
        const int left = qMax(0, qMin(under.x(), host->width() - m_calendar->width()));
        m_calendar->move(left, under.y());
    }
    // Showing builds the month again, also when the calendar was open already.
    m_calendar->hide();
    m_calendar->raise();
    m_calendar->show();
    Q_EMIT opened(index);
}

void DateField::onCalendarClick()
{
    QWidget* widget = field(m_current);
    if (!widget || !m_calendar->isVisible())
        return;
    setFieldText(widget, m_calendar->SelDate().toString(m_fields.at(m_current).format));
    // The click gave the calendar the focus; it goes back to the field rather than to whatever
    // follows the calendar once it is hidden.
    if (within(m_calendar, QApplication::focusWidget()))
        widget->setFocus(Qt::OtherFocusReason);
    m_calendar->hide();
    Q_EMIT picked(m_current);
}

void DateField::onFocusChanged(QWidget* old, QWidget* now)
{
    // A window losing the focus to another program hands it to no widget: the calendar stays.
    if (!m_calendar || !m_calendar->isVisible() || !now)
        return;
    // Only a focus that leaves both the field the calendar serves and the calendar hides it.
    const bool fromHere = indexOf(old) >= 0 || within(m_calendar, old);
    if (fromHere && !within(m_calendar, now) && !within(field(m_current), now))
        m_calendar->hide();
}
