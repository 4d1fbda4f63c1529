#pragma once

#include <QList>
#include <QString>

class QWidget;
class VsNetBut;

// The band of VsNetBut buttons across the top of a window, laid out from the left: buttons that show
// only their caption, and disabled separators between groups of them. Sizes are in pixels.
struct ToolBandSizes
{
    int top = 4;
    int buttonWidth = 58;
    int height = 44;
    int separatorWidth = 12;
    // How much of a button's face its caption takes; 100 = the whole face, for captions only.
    double captionAreaPercent = 100;
};

// One entry of a band built from a table: a caption makes a button, an empty caption a separator.
struct ToolBandEntry
{
    QString name;
    QString caption;
};

class ToolBand
{
public:
    ToolBand(QWidget* parent, int left, const ToolBandSizes& sizes = {});

    VsNetBut* addButton(const QString& name, const QString& caption);
    VsNetBut* addSeparator(const QString& name);
    // The entries in order; the buttons and separators made, in the same order.
    QList<VsNetBut*> add(const QList<ToolBandEntry>& entries);

    // Where the next one goes.
    int left() const { return m_left; }
    void setLeft(int left) { m_left = left; }

private:
    VsNetBut* place(VsNetBut* button, int width);

    QWidget* m_parent = nullptr;
    int m_left = 0;
    ToolBandSizes m_sizes;
};
