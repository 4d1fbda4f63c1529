#include "admin/toolband.h"

#include "controls/vsnetbut.h"

namespace {

constexpr int ButtonTop = 4;
constexpr int ButtonWidth = 58;
constexpr int ButtonHeight = 44;
constexpr int SeparatorWidth = 12;

} // namespace

VsNetBut* AddBandButton(QWidget* parent, const QString& name, const QString& caption, int& left)
{
    auto* button = new VsNetBut(parent);
    button->setObjectName(name);
    button->setCaption(caption);
    const int width = caption.isEmpty() ? SeparatorWidth : ButtonWidth;
    button->setGeometry(left, ButtonTop, width, ButtonHeight);
    left += width;
    if (caption.isEmpty()) {
        button->setButtonAppearance(VsNetBut::sbSep2003);
        button->setEnabled(false);
    } else {
        // Captions only: the whole button is caption area.
        button->setCaptionAreaPercent(100);
    }
    return button;
}
