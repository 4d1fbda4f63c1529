#include "controls/olecolor.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// The system colour indices of the original platform mapped onto palette roles.
QColor systemColor(int index)
{
    const QPalette palette = QGuiApplication::palette();
    const auto active = [&](QPalette::ColorRole role) { return palette.color(QPalette::Active, role); };
    switch (index) {
    case 0:  // scroll bar
    case 3:  // inactive caption
    case 10: // active border
    case 11: // inactive border
    case 28: // inactive caption gradient
        return active(QPalette::Mid);
    case 1:  // desktop
    case 4:  // menu
    case 30: // menu bar
        return active(QPalette::Window);
    case 2:  // active caption
    case 13: // highlight
    case 27: // active caption gradient
    case 29: // menu highlight
        return active(QPalette::Highlight);
    case 5: // window
        return active(QPalette::Base);
    case 6:  // window frame
    case 21: // 3D dark shadow
        return active(QPalette::Shadow);
    case 7: // menu text
        return active(QPalette::WindowText);
    case 8: // window text
        return active(QPalette::Text);
    case 9:  // caption text
    case 14: // highlighted text
        return active(QPalette::HighlightedText);
    case 12: // application workspace
    case 16: // button shadow
        return active(QPalette::Dark);
    case 15: // button face
        return active(QPalette::Button);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return active(QPalette::ButtonText);
    case 19: // inactive caption text
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 20: // button highlight
        return active(QPalette::Light);
    case 22: // 3D light
        return active(QPalette::Midlight);
    case 23: // tooltip text
        return active(QPalette::ToolTipText);
    case 24: // tooltip back
        return active(QPalette::ToolTipBase);
    case 26: // hot-tracked item
        return active(QPalette::Link);
    default:
        return QColor(Qt::black);
    }
}

} // namespace

OleColor OleTranslateColor(OleColor value)
{
    if (IsSystemColor(value))
        return QColorToOle(systemColor(int(quint32(value) & 0xFFu)));
    return OleColor(quint32(value) & 0x00FFFFFFu);
}

OleColor ResolveOleColor(OleColor value)
{
    if (value == -1)
        return -1;
    return OleTranslateColor(value) & 0x00FFFFFF;
}

QColor OleToQColor(OleColor value)
{
    const quint32 rgb = quint32(OleTranslateColor(value));
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

OleColor QColorToOle(const QColor& color)
{
    return OleRgb(color.red(), color.green(), color.blue());
}
