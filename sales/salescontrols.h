#pragma once

#include <QList>
#include <QString>

#include "controls/toolband.h"
#include "sales/salesnumbers.h"

class FoxText;
class QWidget;
class VsNetBut;

// A text box of the sales windows: free text, or a number box of digits (with one decimal point
// when decimals is set) of at most maxLength characters.
FoxText* NewFoxText(QWidget* parent, const QString& name, BoxKind kind, int maxLength = 0);

// Places a window's toolbar buttons in a row from (left, top) on parent (an entry without caption is
// a separator) and returns them in the entries' order.
QList<VsNetBut*> BuildToolbar(QWidget* parent, int left, int top, const QList<ToolBandEntry>& entries);

// The toolbar of the edit dialogs: "保存资料", "资料重置", "资料删除" (always disabled) and "关 闭",
// with separators between them.
struct EditToolbar
{
    VsNetBut* VsNetBut2 = nullptr;
    VsNetBut* VsNetBut4 = nullptr;
    VsNetBut* VsNetBut5 = nullptr;
    VsNetBut* VsNetBut7 = nullptr;
};
EditToolbar BuildEditToolbar(QWidget* dialog);

// The height a toolbar row takes, its top margin included.
inline constexpr int ToolbarHeight = 54;
