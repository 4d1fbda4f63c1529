#pragma once

#include <utility>
#include <vector>

#include <QRect>
#include <QString>

#include "controls/toolband.h"

class FoxText;
class FoxTextMu;
class QComboBox;
class QLabel;
class QWidget;
class VsNetBut;

// Controls the affair windows build alike. Geometry is in pixels.

// The rows of the affair dialogs under their toolbar: one or two columns of a label and a field.
// Half-width fields hold a date ("2011-09-20") whole at the largest font size.
namespace DialogRows {
constexpr int FormWidth = 480;
constexpr int RowHeight = 22;
constexpr int FieldLeft = 104;
constexpr int HalfWidth = 130;
constexpr int FullWidth = 364;
int top(int row);
QRect label(int row, int column = 0);
QRect field(int row, int column = 0, int width = HalfWidth);
// The lowest the drop-down calendar reaches when it opens under a date box whose top is boxTop
// (in the dialog), the box being as high as the largest font size makes it.
int CalendarBottom(const QWidget* calendar, int boxTop);
} // namespace DialogRows

QLabel* AddLabel(QWidget* form, const QString& name, const QString& caption, const QRect& rect);
// A text box; onlyNumber as the box's own filter, centred when asked.
FoxText* AddTextBox(QWidget* form, const QString& name, const QRect& rect, bool onlyNumber,
                    bool centred = false);
// The multi-line remark box FoxTextMu1.
FoxTextMu* AddRemarkBox(QWidget* form, const QRect& rect);
QComboBox* AddDropDown(QWidget* form, const QString& name, const QRect& rect);

// The toolbar panel across the top of a window, and its buttons laid left to right.
class AffairToolbar
{
public:
    static constexpr int Height = 57;

    AffairToolbar(QWidget* form, int width);
    VsNetBut* addButton(const QString& name, const QString& caption);
    // A disabled caption-less button between groups (VsNetBut1).
    void addSeparator();

    QWidget* panel() const { return m_panel; }
    const std::vector<VsNetBut*>& separators() const { return m_separators; }

private:
    QWidget* m_panel = nullptr;
    ToolBand m_band;
    std::vector<VsNetBut*> m_separators;
};

// The toolbar of the affair dialogs: "保存资料" (VsNetBut2) and "关 闭" (VsNetBut7), which closes the
// dialog. Returns the two buttons.
std::pair<VsNetBut*, VsNetBut*> AddSaveCloseToolbar(QWidget* dialog, int width);

// The ways (AffairClass) and types (AffairSubject) of affairs in their order, the key in each
// entry's data, the first entry selected. withAllEntry puts "所有方式" / "所有类型" (data 0) first.
void FillAffairWays(QComboBox* way, bool withAllEntry);
void FillAffairTypes(QComboBox* type, bool withAllEntry);

// Selects the entry whose data is id; none matching leaves the selection as it is.
void SelectItemData(QComboBox* combo, qint32 id);
