// Mouse, keyboard and focus of the button: for now a plain button's behaviour (press, release,
// click, double click, space bar, hover with the exit poll).
#include "controls/vsnetbut.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

#include "controls/vbinput.h"

void VsNetBut::mousePressEvent(QMouseEvent* event)
{
    int button = VbButton(event->button());
    int shift = VbShift(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    Q_EMIT MouseDown(button, shift, x, y);
    m_lastButton = button;
    if (button != 2)
        DrawButtonDown(false);
}

void VsNetBut::mouseMoveEvent(QMouseEvent* event)
{
    int button = VbButton(event->buttons());
    int shift = VbShift(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    Q_EMIT MouseMove(button, shift, x, y);
    if (button != 0 && button != 1)
        return;
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

void VsNetBut::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (!m_hover && QApplication::mouseButtons() == Qt::NoButton) {
        m_overTimer.start();
        m_hover = true;
        Q_EMIT MouseEnter();
        DrawButtonOver(false);
    }
}

void VsNetBut::overTimerTick()
{
    if (QApplication::widgetAt(QCursor::pos()) == this)
        return;
    m_overTimer.stop();
    m_hover = false;
    DrawButtonNormal(true);
    Q_EMIT MouseExit();
}

void VsNetBut::mouseReleaseEvent(QMouseEvent* event)
{
    int button = VbButton(event->button());
    int shift = VbShift(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    const bool inside = rect().contains(event->position().toPoint());
    if ((button & 1) && m_buttonAppearance == sbUp_Down2003 && x > m_layout.dropDownLeft) {
        m_dropDownClicked = true;
        Q_EMIT DropDownClick();
    } else {
        Q_EMIT MouseUp(button, shift, x, y);
        if ((button & 1) && m_buttonAppearance == sbUp_Down2003 && inside && isEnabled())
            Q_EMIT Click();
    }
    if (button != 2)
        DrawButtonNormal(false);
    if (event->button() == Qt::LeftButton && inside)
        clickHandler();
}

void VsNetBut::clickHandler()
{
    if (!isEnabled() || m_lastButton != 1)
        return;
    DrawButtonNormal(true);
    if (m_buttonAppearance == sbUp_Down2003)
        m_dropDownClicked = false;
    else
        Q_EMIT Click();
    if (m_hover)
        DrawButtonOver(true);
}

void VsNetBut::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_enableDblClick)
        Q_EMIT DblClick();
    else if (m_lastButton == 1 && event->button() == Qt::LeftButton)
        Q_EMIT Click();
    if (m_hover)
        DrawButtonOver(true);
    else
        DrawButtonNormal(true);
    m_paintState = 0;
}

void VsNetBut::keyPressEvent(QKeyEvent* event)
{
    int keyCode = VbKeyCode(event);
    int shift = VbShift(event->modifiers());
    Q_EMIT KeyDown(keyCode, shift);
    m_lastKeyCode = keyCode;
    int keyAscii = VbKeyAscii(event);
    if (keyAscii != 0)
        Q_EMIT KeyPress(keyAscii);
    if (keyCode == 32 && !event->isAutoRepeat()) {
        int button = 1;
        int s = 1;
        float x = 1;
        float y = 1;
        Q_EMIT MouseDown(button, s, x, y);
        m_lastButton = 1;
        DrawButtonDown(false);
    } else if (keyCode == 39 || keyCode == 40) {
        focusNextChild();
    } else if (keyCode == 37 || keyCode == 38) {
        focusPreviousChild();
    }
}

void VsNetBut::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    int keyCode = VbKeyCode(event);
    int shift = VbShift(event->modifiers());
    Q_EMIT KeyUp(keyCode, shift);
    if (keyCode == 32 && m_lastKeyCode == 32) {
        int button = 1;
        int s = 1;
        float x = 1;
        float y = 1;
        Q_EMIT MouseUp(button, s, x, y);
        DrawButtonNormal(false);
        m_lastButton = 1;
        clickHandler();
    }
}

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
