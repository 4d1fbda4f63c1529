#pragma once

#include <QFont>
#include <QWidget>

#include "controls/areacode.h"
#include "controls/olecolor.h"

class QComboBox;
class QLabel;
class PropertyBag;

// The region picker: province, city and county lists filled from the area tables. Code holds the
// chosen county's six-digit area code and follows the user's picks; setting Code selects the
// lists. Lengths inside are twips at 15 per pixel.
class CitySelect : public QWidget
{
    Q_OBJECT

public:
    static constexpr OleColor DefaultBackColor = SystemColor(SysButtonFace);
    static constexpr OleColor DefaultForeColor = SystemColor(SysButtonText);
    static constexpr double DefaultFontSize = 12;

    explicit CitySelect(QWidget* parent = nullptr);

    QString AreaStr(int GetType) const;

    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor value);
    // The control's font is the widget's own font: setting it (QWidget::setFont) re-fonts and
    // re-arranges the parts.
    QFont Font() const { return font(); }
    double FontSize() const { return font().pointSizeF(); }
    void setFontSize(double size);
    qint32 Code() const { return m_code; }
    void setCode(qint32 value);
    bool 是否横排() const { return m_horizontal; }
    void set是否横排(bool value);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor value);

    // Persistence with the host window, keys named after the properties.
    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;

Q_SIGNALS:
    // A property changed, so the host should save it.
    void propertyChanged(const QString& name);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void applyFont();
    // The lists' width: the font's, or what the names in them need.
    void sizeLists();
    // After a list was filled: wider lists where its names need it.
    void fitNames();
    void arrange();
    void sizeToParts();
    QFont ambientFont() const;
    void changed(const QString& name);

    qint32 m_code = 0;
    bool m_horizontal = false;
    OleColor m_backColor = DefaultBackColor;
    OleColor m_foreColor = DefaultForeColor;
    bool m_loading = false;
};
