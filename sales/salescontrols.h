#pragma once

#include <QList>
#include <QString>

#include "sales/salesnumbers.h"

class FoxText;
class QWidget;
class VsNetBut;

// A text box of the sales windows: free text, or a number box of digits (with one decimal point
// when decimals is set) of at most maxLength characters.
FoxText* NewFoxText(QWidget* parent, const QString& name, BoxKind kind, int maxLength = 0);

// A button of a window's toolbar; one without caption is a disabled separator.
struct ToolbarEntry
{
    QString name;
    QString caption;
};

// Places the buttons in a row from (left, top) on parent and returns them in the entries' order.
QList<VsNetBut*> BuildToolbar(QWidget* parent, int left, int top, const QList<ToolbarEntry>& entries);

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
