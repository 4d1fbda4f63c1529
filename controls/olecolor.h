#pragma once

#include <QColor>
#include <QtGlobal>

// Colours of the program's controls are 32-bit values laid out 0x00BBGGRR. A value with the high
// bit set names a system colour by its index in the low byte; the system colours are the roles of
// the application palette.
using OleColor = qint32;

constexpr OleColor OleRgb(int red, int green, int blue)
{
    return OleColor((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr OleColor SystemColor(int index)
{
    return OleColor(0x80000000u | quint32(index & 0xFF));
}

// The indices the controls use as defaults.
constexpr int SysWindowText = 8;
constexpr int SysButtonFace = 15;
constexpr int SysButtonText = 18;

constexpr bool IsSystemColor(OleColor value)
{
    return (quint32(value) & 0xFF000000u) == 0x80000000u;
}

// The 0x00BBGGRR value of a colour, a system colour taken from the palette at this moment.
OleColor OleTranslateColor(OleColor value);
// As the button resolves its colours: -1 stays -1 (no colour), anything else is translated.
OleColor ResolveOleColor(OleColor value);

QColor OleToQColor(OleColor value);
OleColor QColorToOle(const QColor& color);
