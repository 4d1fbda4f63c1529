// Painting of the button. For now a plain push button in the current look; the painters keep
// the paint state that the input handling relies on.
#include "controls/vsnetbut.h"

#include <QPainter>
#include <QStyleOptionButton>

void VsNetBut::DrawButtonNormal(bool force)
{
    if (!force && m_paintState == 0)
        return;
    m_paintState = 0;
    update();
}

void VsNetBut::DrawButtonOver(bool force)
{
    if (!force && m_paintState == 1)
        return;
    m_paintState = 1;
    update();
}

void VsNetBut::DrawButtonDown(bool force)
{
    if (!force && m_paintState == 2)
        return;
    m_paintState = 2;
    update();
}

void VsNetBut::repaintCurrentState(bool force)
{
    switch (m_paintState) {
    case 1:
        DrawButtonOver(force);
        break;
    case 2:
        DrawButtonDown(force);
        break;
    default:
        DrawButtonNormal(force);
        break;
    }
}

void VsNetBut::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), OleToQColor(m_backColor));
    if (m_layout.separator || m_layout.mainSeparator) {
        painter.setPen(OleToQColor(m_sepForeColor));
        painter.drawLine(width() / 2, m_pictureOffsetTop, width() / 2, height() - m_pictureOffsetBottom - 1);
        return;
    }
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect();
    option.text = m_layout.captionShown ? m_caption : QString();
    option.icon = m_layout.pictureShown && !m_buttonPicture.isNull() ? QIcon(m_buttonPicture) : QIcon();
    option.iconSize = m_buttonPicture.size();
    option.palette.setColor(QPalette::ButtonText, OleToQColor(m_foreColor));
    option.palette.setColor(QPalette::Button, OleToQColor(m_backColor));
    if (m_paintState == 2 || m_check)
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    if (m_paintState == 1)
        option.state |= QStyle::State_MouseOver;
    if (!m_focus)
        option.state &= ~QStyle::State_HasFocus;
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
}
