#include "affairs/affairformparts.h"

#include <QComboBox>
#include <QLabel>

#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "platform/twips.h"

namespace {

constexpr int ButtonWidth = 58;
constexpr int ButtonHeight = 49;
constexpr int SeparatorWidth = 12;
constexpr int CentredText = 2;
constexpr int LabelWidth = 94;
constexpr int ColumnStep = 234;
constexpr int RowStep = 32;

} // namespace

int DialogRows::top(int row)
{
    return AffairToolbar::Height + 14 + row * RowStep;
}

QRect DialogRows::label(int row, int column)
{
    return QRect(FieldLeft - LabelWidth - 2 + column * ColumnStep, top(row), LabelWidth, RowHeight);
}

QRect DialogRows::field(int row, int column, int width)
{
    return QRect(FieldLeft + column * ColumnStep, top(row), width, RowHeight);
}

int DialogRows::CalendarBottom(const QWidget* calendar, int boxTop)
{
    constexpr int LargestBoxHeight = TwipsToPixels(360);
    return boxTop + LargestBoxHeight + calendar->height();
}

QLabel* AddLabel(QWidget* form, const QString& name, const QString& caption, const QRect& rect)
{
    auto* label = new QLabel(caption, form);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

FoxText* AddTextBox(QWidget* form, const QString& name, const QRect& rect, bool onlyNumber, bool centred)
{
    FoxText* box = NewTextBox(form, name, onlyNumber);
    if (centred)
        box->setAlignment(CentredText);
    box->moveTwips(rect.x() * TwipsPerPixel, rect.y() * TwipsPerPixel, rect.width() * TwipsPerPixel,
                   rect.height() * TwipsPerPixel);
    return box;
}

FoxTextMu* AddRemarkBox(QWidget* form, const QRect& rect)
{
    FoxTextMu* box = NewNoteBox(form, QStringLiteral("FoxTextMu1"));
    box->moveTwips(rect.x() * TwipsPerPixel, rect.y() * TwipsPerPixel, rect.width() * TwipsPerPixel,
                   rect.height() * TwipsPerPixel);
    return box;
}

QComboBox* AddDropDown(QWidget* form, const QString& name, const QRect& rect)
{
    auto* combo = new QComboBox(form);
    combo->setObjectName(name);
    combo->setGeometry(rect);
    return combo;
}

AffairToolbar::AffairToolbar(QWidget* form, int width)
    : m_panel(new QWidget(form)),
      m_band(m_panel, 2,
             ToolBandSizes{(Height - ButtonHeight) / 2, ButtonWidth, ButtonHeight, SeparatorWidth})
{
    m_panel->setObjectName(QStringLiteral("Toolbar"));
    m_panel->setGeometry(0, 0, width, Height);
}

VsNetBut* AffairToolbar::addButton(const QString& name, const QString& caption)
{
    return m_band.addButton(name, caption);
}

void AffairToolbar::addSeparator()
{
    m_separators.push_back(m_band.addSeparator(QStringLiteral("VsNetBut1")));
}

std::pair<VsNetBut*, VsNetBut*> AddSaveCloseToolbar(QWidget* dialog, int width)
{
    AffairToolbar toolbar(dialog, width);
    toolbar.addSeparator();
    VsNetBut* save = toolbar.addButton(QStringLiteral("VsNetBut2"), QStringLiteral("保存资料"));
    toolbar.addSeparator();
    VsNetBut* close = toolbar.addButton(QStringLiteral("VsNetBut7"), QStringLiteral("关 闭"));
    toolbar.addSeparator();
    QObject::connect(close, &VsNetBut::Click, dialog, &QWidget::close);
    return {save, close};
}

void FillAffairWays(QComboBox* way, bool withAllEntry)
{
    FillCombo(way, QStringLiteral("select * from AffairClass order by GetAffairClassOrder"),
              QStringLiteral("AffairClassname"), QStringLiteral("AffairClassid"),
              withAllEntry ? QStringLiteral("所有方式") : QString(), 0, true);
}

void FillAffairTypes(QComboBox* type, bool withAllEntry)
{
    FillCombo(type, QStringLiteral("select * from AffairSubject order by GetAffairSubjectOrder"),
              QStringLiteral("AffairSubjectname"), QStringLiteral("AffairSubjectid"),
              withAllEntry ? QStringLiteral("所有类型") : QString(), 0, true);
}

void SelectItemData(QComboBox* combo, qint32 id)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (ItemData(combo, i) == id) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}
