#pragma once

#include <QGraphicsScene>
#include <QWidget>

class QChart;

// The widget that shows a chart in a grid cell. It paints the chart's scene itself rather than
// through a graphics view, so that the grid can take a picture of it at any size, also while the
// grid's redrawing is switched off for printing.
class ChartCell : public QWidget
{
    Q_OBJECT

public:
    // Takes ownership of chart.
    explicit ChartCell(QChart* chart, QWidget* parent = nullptr);

    QChart* chart() const { return m_chart; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QGraphicsScene m_scene;
    QChart* m_chart;
};
