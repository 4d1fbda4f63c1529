#include "controls/foxtextfield.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "controls/foxtextbase.h"

namespace {

// Qt selects the whole text when a line edit is reached with Tab; the boxes leave that to SelAll.
QFocusEvent withoutTabSelection(const QFocusEvent* event)
{
    Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        reason = Qt::OtherFocusReason;
    return QFocusEvent(event->type(), reason);
}

} // namespace

FoxLineEdit::FoxLineEdit(FoxTextBase* owner, QWidget* parent) : QLineEdit(parent), m_owner(owner)
{
    setMouseTracking(true);
}

void FoxLineEdit::keyPressEvent(QKeyEvent* event)
{
    takeTypingAtEnd();
    const auto outcome = m_owner->fieldKeyPress(event);
    if (outcome.action == FoxTextBase::KeyOutcome::Swallow)
        event->accept();
    else if (outcome.action == FoxTextBase::KeyOutcome::Replace)
        insert(outcome.text);
    else
        QLineEdit::keyPressEvent(event);
}

void FoxLineEdit::keyReleaseEvent(QKeyEvent* event)
{
    m_owner->fieldKeyRelease(event);
    QLineEdit::keyReleaseEvent(event);
}

void FoxLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    takeTypingAtEnd();
    if (!event->commitString().isEmpty())
        event->setCommitString(m_owner->fieldCommitFilter(event->commitString()), event->replacementStart(),
                               event->replacementLength());
    QLineEdit::inputMethodEvent(event);
}

void FoxLineEdit::mousePressEvent(QMouseEvent* event)
{
    // A click puts the cursor where it points.
    m_endOnFocus = false;
    m_owner->fieldMousePress(event, event->position());
    QLineEdit::mousePressEvent(event);
}

void FoxLineEdit::mouseMoveEvent(QMouseEvent* event)
{
    m_owner->fieldMouseMove(event, event->position());
    QLineEdit::mouseMoveEvent(event);
}

void FoxLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    m_owner->fieldMouseRelease(event, event->position());
}

void FoxLineEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    m_owner->fieldDoubleClick();
}

void FoxLineEdit::setTextFromCode(const QString& text)
{
    setText(text);
    m_endOnFocus = !hasFocus();
    if (m_endOnFocus)
        setCursorPosition(0);
}

void FoxLineEdit::takeTypingAtEnd()
{
    if (m_endOnFocus)
        setCursorPosition(int(text().size()));
    m_endOnFocus = false;
}

void FoxLineEdit::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::MouseFocusReason)
        m_endOnFocus = false;
    takeTypingAtEnd();
    QFocusEvent plain = withoutTabSelection(event);
    QLineEdit::focusInEvent(&plain);
    m_owner->fieldGotFocus();
}

void FoxLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    m_owner->fieldLostFocus();
}

FoxPlainEdit::FoxPlainEdit(FoxTextBase* owner, QWidget* parent) : QPlainTextEdit(parent), m_owner(owner)
{
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    // Tab moves to the next control, as in the other boxes.
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QPointF FoxPlainEdit::fieldPos(const QMouseEvent* event) const
{
    // Mouse events arrive in the viewport's coordinates; the events report the field's own.
    return event->position() + QPointF(viewport()->pos());
}

void FoxPlainEdit::keyPressEvent(QKeyEvent* event)
{
    const auto outcome = m_owner->fieldKeyPress(event);
    if (outcome.action == FoxTextBase::KeyOutcome::Swallow)
        event->accept();
    else if (outcome.action == FoxTextBase::KeyOutcome::Replace)
        insertPlainText(outcome.text);
    else
        QPlainTextEdit::keyPressEvent(event);
}

void FoxPlainEdit::keyReleaseEvent(QKeyEvent* event)
{
    m_owner->fieldKeyRelease(event);
    QPlainTextEdit::keyReleaseEvent(event);
}

void FoxPlainEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        event->setCommitString(m_owner->fieldCommitFilter(event->commitString()), event->replacementStart(),
                               event->replacementLength());
    QPlainTextEdit::inputMethodEvent(event);
}

void FoxPlainEdit::mousePressEvent(QMouseEvent* event)
{
    m_owner->fieldMousePress(event, fieldPos(event));
    QPlainTextEdit::mousePressEvent(event);
}

void FoxPlainEdit::mouseMoveEvent(QMouseEvent* event)
{
    m_owner->fieldMouseMove(event, fieldPos(event));
    QPlainTextEdit::mouseMoveEvent(event);
}

void FoxPlainEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    m_owner->fieldMouseRelease(event, fieldPos(event));
}

void FoxPlainEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    m_owner->fieldDoubleClick();
}

void FoxPlainEdit::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    m_owner->fieldGotFocus();
}

void FoxPlainEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    m_owner->fieldLostFocus();
}
