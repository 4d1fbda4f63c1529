#include "controls/foxtext.h"

#include "controls/foxtextfield.h"
#include "platform/propertybag.h"

FoxText::FoxText(QWidget* parent) : FoxTextBase(parent)
{
    auto* edit = new FoxLineEdit(this, this);
    m_edit = edit;
    m_edit->setFrame(false);
    m_edit->setText(QStringLiteral("Text1"));
    connect(m_edit, &QLineEdit::textChanged, this, [this] { emitChange(); });
    attachField(m_edit);
}

void FoxText::setOtherChar(const QString& value)
{
    m_otherChar = value;
    changed(QStringLiteral("OtherChar"));
}

void FoxText::readProperties(const PropertyBag& bag)
{
    FoxTextBase::readProperties(bag);
    m_otherChar = bag.read(QStringLiteral("OtherChar"), QString()).toString();
}

void FoxText::writeProperties(PropertyBag& bag) const
{
    FoxTextBase::writeProperties(bag);
    bag.write(QStringLiteral("OtherChar"), m_otherChar, QString());
}

QString FoxText::fieldText() const
{
    return m_edit->text();
}

void FoxText::setFieldText(const QString& text)
{
    static_cast<FoxLineEdit*>(m_edit)->setTextFromCode(text);
}

bool FoxText::fieldReadOnly() const
{
    return m_edit->isReadOnly();
}

void FoxText::setFieldReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
}

void FoxText::applyFieldAlignment()
{
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    m_edit->setAlignment(horizontal[Alignment()] | Qt::AlignVCenter);
}

void FoxText::applyFieldMaxLength()
{
    // 0 is "no limit"; Qt's own default limit stands for it.
    m_edit->setMaxLength(MaxLength() > 0 ? MaxLength() : 32767);
}

void FoxText::selectWholeText()
{
    m_edit->setSelection(0, int(m_edit->text().size()));
}

void FoxText::applyFieldPasswordChar()
{
    m_edit->setEchoMode(PasswordChar().isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
}

QString FoxText::extraFieldStyle() const
{
    // The masking character itself is a style hint of the line edit.
    if (PasswordChar().isEmpty())
        return QString();
    return QStringLiteral("lineedit-password-character: %1; ").arg(PasswordChar().at(0).unicode());
}

FoxText* NewTextBox(QWidget* parent, const QString& name, bool onlyNumber)
{
    auto* box = new FoxText(parent);
    box->setObjectName(name);
    box->setOnlyNumber(onlyNumber);
    box->setText(QString());
    return box;
}
