#pragma once

#include <QList>
#include <QPoint>

#include "controls/olecolor.h"

class QImage;
class QPainter;
class QPixmap;

// Paints a two-colour gradient at any angle over a whole picture, one-pixel line by line. It keeps
// nothing between calls but its three properties.
class clsGradient
{
public:
    // True when the gradient was painted; a picture 1 pixel wide or high or less gets none.
    bool Draw(QImage& picObj) const;
    bool Draw(QPixmap& picObj) const;
    // lSteps colours (at least 2) from lColor1 to lColor2 into laRetColors; returns their number.
    int BlendColors(OleColor lColor1, OleColor lColor2, int lSteps, QList<OleColor>& laRetColors) const;

    OleColor Color1() const { return m_color1; }
    void setColor1(OleColor lData);
    OleColor Color2() const { return m_color2; }
    void setColor2(OleColor lData);
    // Degrees counter-clockwise, 0 running from the left (Color1) to the right (Color2).
    float Angle() const { return m_angle; }
    void setAngle(float fData);

private:
    int paint(QPainter& painter, int width, int height) const;

    OleColor m_color1 = 0x00FFFFD0;
    OleColor m_color2 = 0x00400000;
    float m_angle = 315;
};

// The end points of the gradient's lines over a width x height picture: line k runs from point 2k
// to point 2k + 1 (that end left out) and takes colour k; the first line lies at or just outside
// the edge where the gradient starts, the last ones beyond the far edge. A trailing odd point
// belongs to no line. Empty when the angle lies outside [0, 360).
QList<QPoint> GradientLinePoints(float angle, int width, int height);
