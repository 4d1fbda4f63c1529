// Layout of the button: which parts it has and whether it is large enough for its style. The
// guarded setters read the fits flag. Values of styles outside 0 to 4 compute nothing.
#include "controls/vsnetbut.h"

void VsNetBut::CalcButtonLayout()
{
    // The button rectangle follows the control's size, also while it is hidden and Qt holds its
    // resize events back.
    m_layout.button = QRect(0, 0, width(), height());
    const QRect& button = m_layout.button;
    const auto clearStyleFlags = [this] {
        m_layout.separator = false;
        m_layout.mainSeparator = false;
        m_layout.dropDown = false;
        m_layout.style4 = false;
    };
    // The button inset by the picture offsets: the room of a separator.
    const int innerWidth = button.width() - m_pictureOffsetLeft - m_pictureOffsetRight;
    const int innerHeight = button.height() - m_pictureOffsetTop - m_pictureOffsetBottom;

    switch (m_buttonAppearance) {
    case sbOffice2003:
        m_layout.fits = true;
        clearStyleFlags();
        break;
    case sbSep2003:
        if (innerWidth < 1 || innerHeight < 1) {
            m_layout.fits = false;
            return;
        }
        m_layout.fits = true;
        clearStyleFlags();
        m_layout.separator = true;
        m_layout.pictureShown = false;
        m_layout.captionShown = false;
        // A separator is never enabled.
        if (Enabled())
            QWidget::setEnabled(false);
        break;
    case sbMainSep2003:
        if (!(innerHeight > m_mainSepLineBetweenSpace && innerHeight >= 1 && innerWidth > m_mainSepThick &&
              innerWidth >= 1)) {
            m_layout.fits = false;
            return;
        }
        m_layout.fits = true;
        clearStyleFlags();
        m_layout.mainSeparator = true;
        m_layout.pictureShown = false;
        m_layout.captionShown = false;
        break;
    case sbUp_Down2003:
        if (!(button.width() > m_up_DownWidht && button.height() > 2)) {
            m_layout.fits = false;
            return;
        }
        m_layout.fits = true;
        clearStyleFlags();
        m_layout.dropDown = true;
        m_layout.dropDownLeft = button.right() + 1 - m_up_DownWidht;
        break;
    case 4:
        if (!(button.width() > 8 && button.height() > 14)) {
            m_layout.fits = false;
            return;
        }
        m_layout.fits = true;
        clearStyleFlags();
        m_layout.style4 = true;
        m_layout.pictureShown = false;
        m_layout.captionShown = false;
        break;
    default:
        return;
    }
    if (m_buttonAppearance == sbOffice2003 || m_buttonAppearance == sbUp_Down2003) {
        // Which of the two areas the button shows.
        if (m_captionAreaPercent == 100) {
            m_layout.pictureShown = false;
            m_layout.captionShown = true;
        } else if (m_captionAreaPercent == 0 || m_caption.isEmpty() || !m_showCaption) {
            m_layout.pictureShown = true;
            m_layout.captionShown = false;
        } else {
            m_layout.pictureShown = true;
            m_layout.captionShown = true;
        }
    }
}

void VsNetBut::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_layout.button = QRect(0, 0, width(), height());
    CalcButtonLayout();
    DrawButtonNormal(true);
}
