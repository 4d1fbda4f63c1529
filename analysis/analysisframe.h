#pragma once

#include <QStringList>
#include <QVector>
#include <QWidget>

#include "analysis/analysischart.h"

class Grid;
class QChart;
class QLabel;
class VsNetBut;

// What the three analysis windows share: a row of analysis buttons, a title line, a grid that is
// only the data sheet of one chart in its cell (1, 1), a print and a close button. Row 0 and
// column 0 of the grid stay hidden; every data row from row 2 and every data column from column 2
// is hidden too, so that the chart cell fills the grid.
class AnalysisFrame : public QWidget
{
    Q_OBJECT

public:
    QVector<VsNetBut*> AanBut;
    QLabel* Label1 = nullptr;
    Grid* Grid1 = nullptr;
    VsNetBut* VsNetBut4 = nullptr; // "打 印"
    VsNetBut* VsNetBut2 = nullptr; // "退 出"
    QVector<VsNetBut*> VsNetBut1;  // frames around the control groups

    // The index of the analysis button last run; changed inputs run it again.
    qint16 LastAnalysisIndex = 0;

    // Runs analysis i (a click of AanBut(i)).
    virtual void AanBut_Click(int Index) = 0;
    void VsNetBut4_Click();
    void VsNetBut2_Click();

    // The chart over cell (1, 1), or nullptr when the last run drew none.
    QChart* chart() const;

protected:
    AnalysisFrame(const QString& name, const QString& caption, const QStringList& analyses, QWidget* parent);

    // Load, steps 1 to 6: skin, grid font, size limits, hidden header row and column. hideRow2:
    // the ranking windows hide their value row from the start.
    void loadFrame(bool hideRow2);
    // Places the analysis buttons from (left, top), the print and close buttons at the right edge.
    void placeButtons(int left, int top);
    // Shows frame VsNetBut1(index) around a group of controls.
    void frameGroup(int index, const QRect& around);
    // Sizes the grid and the title line; the window's own sizes in twips.
    virtual void arrange(int windowWidth, int windowHeight) = 0;
    // Lays the window out for its present size, as a resize does.
    void layoutNow();

    // A run's frame: before filling, the grid is reset to cols columns and rows rows and the
    // previous chart removed; after, the chart is laid over cell (1, 1) (nullptr: none).
    void beginRun(int Index, int cols, int rows);
    void endRun(QChart* chart);
    // A hidden data column appended for one value; its number.
    int addDataColumn();
    // The block of the grid that a chart draws from.
    ChartRange range(int firstRow, int firstCol, int lastRow, int lastCol) const;
    // The width of the window including the frame of its MDI sub-window, in twips.
    int windowTwipsWidth() const;
    int windowTwipsHeight() const;

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitChartCell();
    QWidget* framed() const;

    bool m_placed = false;
};
