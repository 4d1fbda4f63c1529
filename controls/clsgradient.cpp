#include "controls/clsgradient.h"

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPixmap>

namespace {

// System colours below this index are taken at their present value when set.
constexpr quint32 SystemColorCount = 25;

constexpr double DegreesToRadians = 0.017453292519943278;

// value - 360 x floor(value / 360), in single precision. A value just below 360 can round up to
// 360 there, which no sweep direction takes: that is 0.
float reduceAngle(double value)
{
    const float reduced = float(value - 360.0 * std::floor(value / 360.0));
    return reduced >= 360.0f ? 0.0f : reduced;
}

OleColor resolveSystemColor(OleColor value)
{
    const quint32 bits = quint32(value);
    if ((bits & 0x80000000u) && (bits & 0x7FFFFFFFu) < SystemColorCount)
        return OleTranslateColor(value);
    return value;
}

// The pen takes the low three bytes; a system-colour reference left in place has no other meaning.
QColor penColor(OleColor value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace

QList<QPoint> GradientLinePoints(float angle, int width, int height)
{
    const float cx = float(std::floor(width / 2.0));
    const float cy = float(std::floor(height / 2.0));
    const double m = std::max(width, height);
    const double d = (std::sqrt(m * m + m * m) + 2) / 2;

    // The base line through the centre, turned to lie across the gradient's direction.
    const double a = double(reduceAngle(double(angle) + 90)) * DegreesToRadians;
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);
    const auto turn = [&](double x, double y, float& outX, float& outY) {
        const double dx = x - cx;
        const double dy = y - cy;
        outX = float(cx + dx * cosA + dy * sinA);
        outY = float(cy + dy * cosA - dx * sinA);
    };
    float x0, y0, x1, y1;
    turn(float(cx - d), cy, x0, y0);
    turn(float(cx + d), cy, x1, y1);

    // Start just at or outside the edge where the gradient starts, sideways when the line is
    // steep, else up or down.
    const bool sideways = std::fabs(y0 - y1) >= std::fabs(x0 - x1);
    float offsetX = 0;
    float offsetY = 0;
    int stepX = 0;
    int stepY = 0;
    if (angle >= 0 && angle <= 90) {
        if (sideways) {
            offsetX = -std::max(x0, x1);
            stepX = 1;
        } else {
            offsetY = float(height) - std::min(y0, y1);
            stepY = -1;
        }
    } else if (angle > 90 && angle <= 180) {
        if (sideways) {
            offsetX = float(width) - std::min(x0, x1);
            stepX = -1;
        } else {
            offsetY = float(height) - std::min(y0, y1);
            stepY = -1;
        }
    } else if (angle > 180 && angle <= 270) {
        if (sideways) {
            offsetX = float(width) - std::min(x0, x1);
            stepX = -1;
        } else {
            offsetY = -std::max(y0, y1);
            stepY = 1;
        }
    } else if (angle > 270 && angle < 360) {
        if (sideways) {
            offsetX = -std::max(x0, x1);
            stepX = 1;
        } else {
            offsetY = -std::max(y0, y1);
            stepY = 1;
        }
    } else {
        // Without a direction the sweep would never end.
        return {};
    }

    QList<QPoint> points;
    points.reserve(1000);
    points.append(QPoint(int(std::lrint(x0 + offsetX)), int(std::lrint(y0 + offsetY))));
    points.append(QPoint(int(std::lrint(x1 + offsetX)), int(std::lrint(y1 + offsetY))));
    const auto beyond = [&](const QPoint& p) {
        if (stepX > 0)
            return p.x() > width;
        if (stepX < 0)
            return p.x() < 0;
        if (stepY > 0)
            return p.y() > height;
        return p.y() < 0;
    };
    for (qsizetype n = 2;; ++n) {
        points.append(points.at(n - 2) + QPoint(stepX, stepY));
        if (beyond(points.at(n)) && beyond(points.at(n - 1)))
            break;
    }
    return points;
}

void clsGradient::setColor1(OleColor lData)
{
    m_color1 = resolveSystemColor(lData);
}

void clsGradient::setColor2(OleColor lData)
{
    m_color2 = resolveSystemColor(lData);
}

void clsGradient::setAngle(float fData)
{
    m_angle = reduceAngle(double(fData));
}

int clsGradient::BlendColors(OleColor lColor1, OleColor lColor2, int lSteps,
                             QList<OleColor>& laRetColors) const
{
    if (lSteps < 2)
        lSteps = 2;
    const int red1 = lColor1 & 0xFF;
    const int green1 = (lColor1 >> 8) & 0xFF;
    const int blue1 = (lColor1 >> 16) & 0xFF;
    // Divided by the number of colours, not by the gaps between them: the last step is the largest.
    const double redStep = double((lColor2 & 0xFF) - red1) / lSteps;
    const double greenStep = double(((lColor2 >> 8) & 0xFF) - green1) / lSteps;
    const double blueStep = double(((lColor2 >> 16) & 0xFF) - blue1) / lSteps;

    laRetColors.resize(lSteps);
    laRetColors[0] = lColor1;
    laRetColors[lSteps - 1] = lColor2;
    for (int i = 1; i <= lSteps - 2; ++i) {
        const long red = std::lrint(red1 + i * redStep);
        const long green = std::lrint(green1 + i * greenStep);
        const long blue = std::lrint(blue1 + i * blueStep);
        laRetColors[i] = OleColor(red + 256 * green + 65536 * blue);
    }
    return lSteps;
}

int clsGradient::paint(QPainter& painter, int width, int height) const
{
    const QList<QPoint> points = GradientLinePoints(m_angle, width, height);
    QList<OleColor> colors;
    BlendColors(m_color1, m_color2, int(std::lrint(points.size() / 2.0)), colors);

    // One pixel wide, the end point left out.
    QPen pen;
    pen.setWidth(1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    qsizetype i = 0;
    for (; i <= points.size() - 2; i += 2) {
        pen.setColor(penColor(colors.at(i / 2)));
        painter.setPen(pen);
        painter.drawLine(points.at(i), points.at(i + 1));
    }
    return int(i);
}

bool clsGradient::Draw(QImage& picObj) const
{
    if (picObj.width() <= 1 || picObj.height() <= 1)
        return false;
    QPainter painter(&picObj);
    if (!painter.isActive())
        return false;
    return paint(painter, picObj.width(), picObj.height()) >= 1;
}

bool clsGradient::Draw(QPixmap& picObj) const
{
    if (picObj.width() <= 1 || picObj.height() <= 1)
        return false;
    QPainter painter(&picObj);
    if (!painter.isActive())
        return false;
    return paint(painter, picObj.width(), picObj.height()) >= 1;
}
