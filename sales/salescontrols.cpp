#include "sales/salescontrols.h"

#include "controls/foxtext.h"
#include "controls/toolband.h"
#include "controls/vsnetbut.h"

namespace {

constexpr int ButtonWidth = 64;
constexpr int ButtonHeight = 46;
constexpr int SeparatorWidth = 12;

} // namespace

FoxText* NewFoxText(QWidget* parent, const QString& name, BoxKind kind, int maxLength)
{
    FoxText* box = NewTextBox(parent, name, kind != BoxKind::Text);
    box->setUserDot(kind == BoxKind::Decimal);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

QList<VsNetBut*> BuildToolbar(QWidget* parent, int left, int top, const QList<ToolBandEntry>& entries)
{
    return ToolBand(parent, left, {top, ButtonWidth, ButtonHeight, SeparatorWidth}).add(entries);
}

EditToolbar BuildEditToolbar(QWidget* dialog)
{
    const QList<VsNetBut*> b = BuildToolbar(dialog, 4, 4,
                                            {{QStringLiteral("VsNetBut1"), {}},
                                             {QStringLiteral("VsNetBut2"), QStringLiteral("保存资料")},
                                             {QStringLiteral("VsNetBut3"), {}},
                                             {QStringLiteral("VsNetBut4"), QStringLiteral("资料重置")},
                                             {QStringLiteral("VsNetBut5"), QStringLiteral("资料删除")},
                                             {QStringLiteral("VsNetBut6"), {}},
                                             {QStringLiteral("VsNetBut7"), QStringLiteral("关 闭")},
                                             {QStringLiteral("VsNetBut8"), {}}});
    b[4]->setEnabled(false);
    return {b[1], b[3], b[4], b[6]};
}
