#include "clients/formlayout.h"

#include <QLabel>

#include "controls/cityselect.h"
#include "controls/vsnetbut.h"
#include "platform/twips.h"

namespace {

constexpr int ButtonHeight = 450;
constexpr int ButtonGap = 120;

} // namespace

QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

QLabel* AddFieldLabel(QWidget* parent, const QString& caption, int left, int top, int fieldLeft)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(TwipsRect(left, top + 45, fieldLeft - left, 300));
    return label;
}

CitySelect* AddRegionSelect(QWidget* parent, int left, int top)
{
    auto* region = new CitySelect(parent);
    region->setObjectName(QStringLiteral("CitySelect1"));
    region->set是否横排(true);
    region->setFontSize(9);
    region->move(TwipsToPixels(left), TwipsToPixels(top));
    return region;
}

RecordButtons AddRecordButtons(QWidget* parent, int left, int top, int width)
{
    const auto button = [&](const char* name, const QString& caption) {
        auto* b = new VsNetBut(parent);
        b->setObjectName(QLatin1String(name));
        b->setCaption(caption);
        b->setGeometry(TwipsRect(left, top, width, ButtonHeight));
        top += ButtonHeight + ButtonGap;
        return b;
    };
    RecordButtons buttons;
    buttons.save = button("VsNetBut2", QStringLiteral("保存资料"));
    buttons.reset = button("VsNetBut4", QStringLiteral("资料重置"));
    buttons.remove = button("VsNetBut5", QStringLiteral("资料删除"));
    buttons.close = button("VsNetBut7", QStringLiteral("关 闭"));
    buttons.remove->setEnabled(false);
    return buttons;
}
