#include "analysis/chartcell.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QPainter>

ChartCell::ChartCell(QChart* chart, QWidget* parent) : QWidget(parent), m_chart(chart)
{
    setObjectName(QStringLiteral("Chart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_scene.addItem(chart);
    connect(&m_scene, &QGraphicsScene::changed, this, [this] { update(); });
}

void ChartCell::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scene.setSceneRect(rect());
    m_chart->setGeometry(rect());
    // Laid out at once, so that a picture taken now shows the chart at this size.
    if (QGraphicsLayout* layout = m_chart->layout())
        layout->activate();
}

void ChartCell::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    m_scene.render(&painter, rect(), rect());
}
