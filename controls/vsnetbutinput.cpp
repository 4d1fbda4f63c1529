// Mouse, keyboard and focus of the button: the looks they lead to and the events they raise.
#include "controls/vsnetbut.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>

#include "controls/vbinput.h"

namespace {

// The access-key flash: the hover look, then the pressed look, then the click.
constexpr int FlashOverMs = 40;
constexpr int FlashDownMs = 60;

constexpr int KeyAsciiEnter = 13;
constexpr int KeyAsciiEscape = 27;

} // namespace

// ---- mouse

void VsNetBut::mousePressEvent(QMouseEvent* event)
{
    m_doubleClickRelease = false;
    mouseDownHandler(VbButton(event->button()), VbShift(event->modifiers()), float(event->position().x()),
                     float(event->position().y()));
}

void VsNetBut::mouseDownHandler(int button, int shift, float x, float y)
{
    Q_EMIT MouseDown(button, shift, x, y);
    m_lastButton = button;
    if (button != 2)
        DrawButtonDown(false);
}

void VsNetBut::mouseMoveEvent(QMouseEvent* event)
{
    mouseMoveHandler(VbButton(event->buttons()), VbShift(event->modifiers()), float(event->position().x()),
                     float(event->position().y()));
}

void VsNetBut::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    // A disabled control takes no mouse input, so the pointer over it changes nothing.
    if (!isEnabled())
        return;
    // The pointer came in: that is a move over the control, whether or not one follows. A button
    // held down belongs to the control where it was pressed.
    if (QApplication::mouseButtons() == Qt::NoButton)
        mouseMoveHandler(0, VbShift(QApplication::keyboardModifiers()), float(event->position().x()),
                         float(event->position().y()));
}

void VsNetBut::mouseMoveHandler(int button, int shift, float x, float y)
{
    Q_EMIT MouseMove(button, shift, x, y);
    if (button != 0 && button != 1)
        return;
    // A point on the far edge still counts as inside.
    const bool outside = x < 0 || y < 0 || x > width() || y > height();
    if (outside) {
        DrawButtonNormal(false);
    } else if (button == 0 && !m_hover) {
        m_overTimer.start();
        m_hover = true;
        Q_EMIT MouseEnter();
        DrawButtonOver(false);
    } else if (button == 1) {
        DrawButtonDown(false);
    }
}

void VsNetBut::overTimerTick()
{
    // Polled rather than waiting for a leave event, so that a pointer leaving fast or over
    // another window still ends the hover look.
    if (QApplication::widgetAt(QCursor::pos()) == this)
        return;
    m_overTimer.stop();
    m_hover = false;
    DrawButtonNormal(true);
    Q_EMIT MouseExit();
}

void VsNetBut::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    const bool inside = at.x() >= 0 && at.y() >= 0 && at.x() <= width() && at.y() <= height();
    const bool afterDoubleClick = m_doubleClickRelease;
    m_doubleClickRelease = false;
    mouseUpHandler(VbButton(event->button()), VbShift(event->modifiers()), float(at.x()), float(at.y()));
    // The platform's click: a left button released over the control, unless that release ended a
    // double click (the double click has had its say).
    if (event->button() == Qt::LeftButton && inside && !afterDoubleClick)
        clickHandler();
}

void VsNetBut::mouseUpHandler(int button, int shift, float x, float y)
{
    // A release away from the control is no click of either part, as on an ordinary button.
    const bool inside = x >= 0 && y >= 0 && x <= width() && y <= height();
    if ((button & 1) && m_buttonAppearance == sbUp_Down2003 && inside) {
        if (x <= m_layout.dropDownPart.left) {
            Q_EMIT MouseUp(button, shift, x, y);
            Q_EMIT Click();
        } else {
            m_dropDownClicked = true;
            Q_EMIT DropDownClick();
        }
    } else {
        Q_EMIT MouseUp(button, shift, x, y);
    }
    if (button != 2)
        DrawButtonNormal(false);
}

void VsNetBut::clickHandler()
{
    if (!Enabled() || m_lastButton != 1)
        return;
    DrawButtonNormal(true);
    repaint();
    // A split button raised its Click on the release already.
    if (m_buttonAppearance == sbUp_Down2003) {
        m_dropDownClicked = false;
    } else {
        const QPointer<VsNetBut> alive(this);
        Q_EMIT Click();
        if (!alive)
            return;
    }
    if (m_hover)
        DrawButtonOver(true);
}

void VsNetBut::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Only the left button double-clicks; another button's second press is a press.
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    m_doubleClickRelease = true;
    bool handled = false;
    if (m_enableDblClick) {
        Q_EMIT DblClick();
        handled = true;
    } else if (m_lastButton == 1) {
        // The second click of a double click counts as a click.
        Q_EMIT Click();
        handled = true;
    }
    if (handled) {
        if (m_hover)
            DrawButtonOver(true);
        else
            DrawButtonNormal(true);
    }
    // Recorded as normal without painting: the look drawn above stays until the next change.
    m_paintState = 0;
}

// ---- keyboard

void VsNetBut::keyPressEvent(QKeyEvent* event)
{
    int keyCode = VbKeyCode(event);
    int shift = VbShift(event->modifiers());
    Q_EMIT KeyDown(keyCode, shift);
    m_lastKeyCode = keyCode;
    if (keyCode == 32)
        mouseDownHandler(1, 1, 1, 1);
    else if (keyCode == 39 || keyCode == 40)
        focusNextChild();
    else if (keyCode == 37 || keyCode == 38)
        focusPreviousChild();
    // The typed character follows the key-down, as it did on the original platform.
    int keyAscii = VbKeyAscii(event);
    if (keyAscii != 0)
        Q_EMIT KeyPress(keyAscii);
}

void VsNetBut::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its key-down only.
    if (event->isAutoRepeat())
        return;
    int keyCode = VbKeyCode(event);
    int shift = VbShift(event->modifiers());
    Q_EMIT KeyUp(keyCode, shift);
    if (keyCode == 32 && m_lastKeyCode == 32) {
        mouseUpHandler(1, 1, 1, 1);
        m_lastButton = 1;
        clickHandler();
    }
}

// ---- access key, Enter and Escape

void VsNetBut::setDefault(bool value)
{
    m_default = value;
    syncShortcuts();
}

void VsNetBut::setCancel(bool value)
{
    m_cancel = value;
    syncShortcuts();
}

void VsNetBut::syncShortcuts()
{
    const auto make = [this](QShortcut*& shortcut, const QKeySequence& keys, int keyAscii) {
        if (!shortcut) {
            shortcut = new QShortcut(keys, this);
            connect(shortcut, &QShortcut::activated, this, [this, keyAscii] { accessKeyPress(keyAscii); });
        } else if (shortcut->key() != keys) {
            shortcut->setKey(keys);
        }
        shortcut->setEnabled(true);
    };
    const auto drop = [](QShortcut* shortcut) {
        if (shortcut)
            shortcut->setEnabled(false);
    };
    if (!m_accessKey.isNull()) {
        const QKeySequence keys(QKeyCombination(Qt::AltModifier, Qt::Key(m_accessKey.unicode())));
        if (m_accessShortcut && m_accessShortcut->key() != keys) {
            // The slot carries the key's code: a new key gets a new shortcut.
            delete m_accessShortcut;
            m_accessShortcut = nullptr;
        }
        make(m_accessShortcut, keys, m_accessKey.unicode());
    }
    if (m_default) {
        make(m_returnShortcut, QKeySequence(Qt::Key_Return), KeyAsciiEnter);
        make(m_enterShortcut, QKeySequence(Qt::Key_Enter), KeyAsciiEnter);
    } else {
        drop(m_returnShortcut);
        drop(m_enterShortcut);
    }
    if (m_cancel)
        make(m_escapeShortcut, QKeySequence(Qt::Key_Escape), KeyAsciiEscape);
    else
        drop(m_escapeShortcut);
}

void VsNetBut::accessKeyPress(int keyAscii)
{
    const bool ours = keyAscii == KeyAsciiEnter || keyAscii == KeyAsciiEscape ||
                      (!m_accessKey.isNull() && QChar(char16_t(keyAscii)).toUpper() == m_accessKey.toUpper());
    if (!ours || !Enabled())
        return;
    // While the flash runs the key has been answered already: a second press must not click twice.
    if (m_flashStep != 0)
        return;
    if (m_hotKeyDynamicEffect) {
        DrawButtonOver(true);
        repaint();
        m_flashStep = 1;
        QTimer::singleShot(FlashOverMs, this, &VsNetBut::flashStep);
        return;
    }
    finishAccessKey();
}

void VsNetBut::flashStep()
{
    if (m_flashStep == 1) {
        DrawButtonDown(true);
        repaint();
        m_flashStep = 2;
        QTimer::singleShot(FlashDownMs, this, &VsNetBut::flashStep);
        return;
    }
    m_flashStep = 0;
    DrawButtonNormal(true);
    finishAccessKey();
}

void VsNetBut::finishAccessKey()
{
    const QPointer<VsNetBut> alive(this);
    clickHandler();
    if (!alive)
        return;
    if (m_hover)
        DrawButtonOver(true);
    else
        DrawButtonNormal(true);
}

// ---- focus

void VsNetBut::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_focus = true;
    repaintCurrentState(true);
}

void VsNetBut::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_focus = false;
    repaintCurrentState(true);
}
