#pragma once

#include <QRect>
#include <QString>

class CitySelect;
class QLabel;
class QWidget;
class VsNetBut;

// Placing the controls of this folder's windows, whose layouts are given in twips.

QRect TwipsRect(int left, int top, int width, int height);

// A field's caption: a label from left up to the field's left edge (fieldLeft), dropped a little
// to line up with the field. It never reaches into the field, which would hide its border.
QLabel* AddFieldLabel(QWidget* parent, const QString& caption, int left, int top, int fieldLeft);

// The region of a record dialog (CitySelect1): province, city and county side by side, at (left, top).
CitySelect* AddRegionSelect(QWidget* parent, int left, int top);

// The button column of the record dialogs, top down: "保存资料", "资料重置", "资料删除" (never
// enabled: records are not deleted) and "关 闭", named VsNetBut2, 4, 5 and 7.
struct RecordButtons
{
    VsNetBut* save = nullptr;
    VsNetBut* reset = nullptr;
    VsNetBut* remove = nullptr;
    VsNetBut* close = nullptr;
};
RecordButtons AddRecordButtons(QWidget* parent, int left, int top, int width);
