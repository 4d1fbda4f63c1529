#pragma once

#include "controls/foxtextbase.h"

class QLineEdit;

// The single-line input box. Besides the shared properties it has OtherChar: extra characters
// the numeric filter admits.
class FoxText : public FoxTextBase
{
    Q_OBJECT

public:
    explicit FoxText(QWidget* parent = nullptr);

    QString OtherChar() const { return m_otherChar; }
    void setOtherChar(const QString& value);

    QLineEdit* edit() const { return m_edit; }

    void readProperties(const PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    QString fieldText() const override;
    void setFieldText(const QString& text) override;
    bool fieldReadOnly() const override;
    void setFieldReadOnly(bool readOnly) override;
    void applyFieldAlignment() override;
    void applyFieldMaxLength() override;
    void selectWholeText() override;
    QString fieldClassName() const override { return QStringLiteral("QLineEdit"); }
    void applyFieldPasswordChar() override;
    QString extraFieldStyle() const override;
    QString numberFilterExtras() const override { return m_otherChar; }

private:
    QLineEdit* m_edit = nullptr;
    QString m_otherChar;
};

// A window's text box, named and empty: free text, or digits only when onlyNumber.
FoxText* NewTextBox(QWidget* parent, const QString& name, bool onlyNumber = false);
