#include "controls/toolband.h"

#include "controls/vsnetbut.h"

ToolBand::ToolBand(QWidget* parent, int left, const ToolBandSizes& sizes)
    : m_parent(parent), m_left(left), m_sizes(sizes)
{}

VsNetBut* ToolBand::addButton(const QString& name, const QString& caption)
{
    auto* button = new VsNetBut(m_parent);
    button->setObjectName(name);
    button->setCaption(caption);
    button->setCaptionAreaPercent(m_sizes.captionAreaPercent);
    return place(button, m_sizes.buttonWidth);
}

VsNetBut* ToolBand::addSeparator(const QString& name)
{
    auto* separator = new VsNetBut(m_parent);
    separator->setObjectName(name);
    separator->setCaption(QString());
    // The style is set while the control still has its own size, which is large enough for it; a
    // separator is never enabled.
    separator->setButtonAppearance(VsNetBut::sbSep2003);
    separator->setEnabled(false);
    return place(separator, m_sizes.separatorWidth);
}

QList<VsNetBut*> ToolBand::add(const QList<ToolBandEntry>& entries)
{
    QList<VsNetBut*> made;
    for (const ToolBandEntry& entry : entries)
        made.append(entry.caption.isEmpty() ? addSeparator(entry.name)
                                            : addButton(entry.name, entry.caption));
    return made;
}

VsNetBut* ToolBand::place(VsNetBut* button, int width)
{
    button->setGeometry(m_left, m_sizes.top, width, m_sizes.height);
    m_left += width;
    return button;
}
