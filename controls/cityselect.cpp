#include "controls/cityselect.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QSignalBlocker>

#include "platform/propertybag.h"
#include "platform/twips.h"
#include "controls/ambient.h"
#include "controls/dropdownfit.h"

namespace {

// 60 twips: the gaps between the parts and the labels' drop below the lists' tops.
constexpr int Gap = TwipsToPixels(60);

void fillCombo(QComboBox* combo, const QList<AreaEntry>& areas)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const AreaEntry& area : areas)
        combo->addItem(area.name, area.code);
    combo->setCurrentIndex(-1);
}

void clearCombo(QComboBox* combo)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
}

void selectIndex(QComboBox* combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

qint32 selectedCode(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? 0 : combo->currentData().toInt();
}

} // namespace

CitySelect::CitySelect(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    const auto makeLabel = [this](const QString& name, const QString& caption) {
        auto* label = new QLabel(caption, this);
        label->setObjectName(name);
        return label;
    };
    const auto makeCombo = [this](const QString& name) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(name);
        KeepListFitToEntries(combo);
        return combo;
    };
    Label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("省份："));
    Combo1 = makeCombo(QStringLiteral("Combo1"));
    Label2 = makeLabel(QStringLiteral("Label2"), QStringLiteral("城市："));
    Combo2 = makeCombo(QStringLiteral("Combo2"));
    Label3 = makeLabel(QStringLiteral("Label3"), QStringLiteral("区县："));
    Combo3 = makeCombo(QStringLiteral("Combo3"));
    // Only a pick by the user runs the steps here; selections made by code call them directly.
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(Combo3, &QComboBox::activated, this, [this] { Combo3_Click(); });

    // A new control is one loaded without saved properties.
    readProperties(PropertyBag());
}

QString CitySelect::AreaStr(int GetType) const
{
    return BuildAreaStr(GetType, selectedCode(Combo1),
                        Combo1->currentIndex() < 0 ? QString() : Combo1->currentText(),
                        Combo2->currentIndex() < 0 ? QString() : Combo2->currentText(),
                        Combo3->currentIndex() < 0 ? QString() : Combo3->currentText());
}

void CitySelect::setBackColor(OleColor value)
{
    m_backColor = value;
    QPalette p = palette();
    p.setColor(QPalette::Window, OleToQColor(value));
    setPalette(p);
    changed(QStringLiteral("BackColor"));
}

void CitySelect::setForeColor(OleColor value)
{
    // Kept and saved only: the labels and lists keep their own colours.
    m_foreColor = value;
    changed(QStringLiteral("ForeColor"));
}

void CitySelect::setFontSize(double size)
{
    QFont f = font();
    f.setPointSizeF(size);
    setFont(f);
    changed(QStringLiteral("FontSize"));
}

void CitySelect::set是否横排(bool value)
{
    m_horizontal = value;
    changed(QStringLiteral("是否横排"));
    arrange();
}

void CitySelect::setCode(qint32 value)
{
    m_code = value;
    changed(QStringLiteral("Code"));
    if (value == 0)
        return;
    if (value >= 1 && Combo1->count() == 0) {
        arrange();
        fillCombo(Combo1, AreaProvinces());
        fitNames();
    }
    selectIndex(Combo1, -1);
    clearCombo(Combo2);
    clearCombo(Combo3);
    const int province = Combo1->findData(ProvinceOfCode(value));
    if (province >= 0) {
        selectIndex(Combo1, province);
        Combo1_Click();
    }
}

void CitySelect::Combo1_Click()
{
    if (Combo1->currentIndex() < 0)
        return;
    clearCombo(Combo2);
    clearCombo(Combo3);
    fillCombo(Combo2, AreaCities(selectedCode(Combo1)));
    fitNames();
    int city = Combo2->findData(CityOfCode(m_code));
    if (city < 0 && Combo2->count() > 0)
        city = 0;
    if (city >= 0) {
        selectIndex(Combo2, city);
        Combo2_Click();
    }
}

void CitySelect::Combo2_Click()
{
    if (Combo2->currentIndex() < 0 || Combo1->currentIndex() < 0)
        return;
    fillCombo(Combo3, AreaCounties(selectedCode(Combo2)));
    fitNames();
    int county = Combo3->findData(m_code);
    if (county < 0 && Combo3->count() > 0)
        county = 0;
    if (county >= 0) {
        selectIndex(Combo3, county);
        Combo3_Click();
    }
}

void CitySelect::Combo3_Click()
{
    if (Combo3->currentIndex() < 0)
        return;
    m_code = selectedCode(Combo3);
    changed(QStringLiteral("Code"));
}

void CitySelect::readProperties(const PropertyBag& bag)
{
    m_loading = true;
    const OleColor back = bag.read(QStringLiteral("BackColor"), DefaultBackColor).toInt();
    const QFont f = bag.read(QStringLiteral("Font"), ambientFont()).value<QFont>();
    const double size = bag.read(QStringLiteral("FontSize"), DefaultFontSize).toDouble();
    const qint32 code = bag.read(QStringLiteral("Code"), 0).toInt();
    const bool horizontal = bag.read(QStringLiteral("是否横排"), false).toBool();
    const OleColor fore = bag.read(QStringLiteral("ForeColor"), DefaultForeColor).toInt();

    setBackColor(back);
    m_foreColor = fore;
    QFont sized = f;
    if (size > 0)
        sized.setPointSizeF(size);
    setFont(sized);
    // A saved code alone fills nothing: the lists stay empty until Code is set at run time.
    m_code = code;
    m_horizontal = horizontal;
    m_loading = false;
    applyFont();
    arrange();
}

void CitySelect::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("BackColor"), m_backColor, DefaultBackColor);
    // The size travels under "FontSize"; the font key holds the face and style.
    const QFont ambient = ambientFont();
    QFont face = font();
    face.setPointSizeF(ambient.pointSizeF());
    bag.write(QStringLiteral("Font"), face, ambient);
    bag.write(QStringLiteral("FontSize"), FontSize(), DefaultFontSize);
    bag.write(QStringLiteral("Code"), m_code, 0);
    bag.write(QStringLiteral("是否横排"), m_horizontal, false);
    bag.write(QStringLiteral("ForeColor"), m_foreColor, DefaultForeColor);
}

void CitySelect::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_loading) {
        applyFont();
        arrange();
        changed(QStringLiteral("Font"));
    }
}

void CitySelect::changed(const QString& name)
{
    // Loading the saved properties is no change the host would have to save.
    if (!m_loading)
        Q_EMIT propertyChanged(name);
}

QFont CitySelect::ambientFont() const
{
    return AmbientFont(this);
}

void CitySelect::applyFont()
{
    // The parts inherit the control's font; only the labels' sizes and the lists' widths follow.
    for (QLabel* label : {Label1, Label2, Label3})
        label->adjustSize();
    sizeLists();
}

void CitySelect::sizeLists()
{
    // FontSize x 150 twips, the three alike, or wider where the names in them need it.
    int width = TwipsToPixels(qRound(FontSize() * 150));
    for (QComboBox* combo : {Combo1, Combo2, Combo3})
        width = std::max(width, WidthForEntries(combo));
    for (QComboBox* combo : {Combo1, Combo2, Combo3})
        combo->resize(width, combo->sizeHint().height());
}

void CitySelect::fitNames()
{
    const int before = Combo1->width();
    sizeLists();
    if (Combo1->width() != before)
        arrange();
}

void CitySelect::arrange()
{
    Label1->move(0, Gap);
    Combo1->move(Label1->width(), 0);
    if (m_horizontal) {
        Label2->move(Combo1->x() + Combo1->width() + Gap, Label1->y());
        Combo2->move(Label2->x() + Label2->width(), Combo1->y());
        Label3->move(Combo2->x() + Combo2->width() + Gap, Label1->y());
        Combo3->move(Label3->x() + Label3->width(), Combo1->y());
    } else {
        Combo2->move(Combo1->x(), Combo1->y() + Combo1->height() + Gap);
        Combo3->move(Combo1->x(), Combo2->y() + Combo2->height() + Gap);
        Label2->move(Label1->x(), Combo2->y() + Gap);
        Label3->move(Label1->x(), Combo3->y() + Gap);
    }
    sizeToParts();
}

void CitySelect::sizeToParts()
{
    // The host cannot give the control any other size.
    setFixedSize(Combo3->x() + Combo3->width(), Combo3->y() + Combo3->height());
}
