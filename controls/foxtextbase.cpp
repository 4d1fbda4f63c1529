#include "controls/foxtextbase.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QtMath>

#include "controls/numberfilter.h"
#include "controls/vbinput.h"
#include "platform/ansicodepage.h"
#include "platform/propertybag.h"
#include "platform/twips.h"
#include "controls/ambient.h"

namespace {

// The field sits 60 twips inside the frame on every side.
constexpr int FieldMargin = 60;
constexpr int MinimumWidth = 180;

// The height of a line of mixed Chinese and Latin text in the font, fallback fonts included.
int lineHeight(const QFont& font)
{
    QTextLayout layout(QStringLiteral("国Mg"), font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return qCeil(line.height());
}

int toPixels(int twips)
{
    return qRound(double(twips) / TwipsPerPixel);
}

float toTwips(qreal pixels)
{
    return float(pixels * TwipsPerPixel);
}

} // namespace

FoxTextBase::FoxTextBase(QWidget* parent) : QWidget(parent)
{
    // The hover poll, found by its name like the field "Text1".
    m_poll.setParent(this);
    m_poll.setObjectName(QStringLiteral("Timer1"));
    m_poll.setTimerType(Qt::PreciseTimer);
    connect(&m_poll, &QTimer::timeout, this, &FoxTextBase::pollTick);
}

FoxTextBase::~FoxTextBase()
{
    // A focused field would otherwise report its loss of focus from the base destructor, to a box
    // that no longer exists; let it go now, with the box's handlers already switched off.
    m_closing = true;
    if (m_field && m_field->hasFocus())
        m_field->clearFocus();
}

void FoxTextBase::attachField(QWidget* field)
{
    m_field = field;
    m_field->setObjectName(QStringLiteral("Text1"));
    m_field->setFont(ambientFont());
    setFocusProxy(m_field);
    setFocusPolicy(m_field->focusPolicy());
    applyFieldStyle();
    layoutBox();
}

QFont FoxTextBase::ambientFont() const
{
    return AmbientFont(this);
}

void FoxTextBase::changed(const QString& name)
{
    if (!m_loading)
        Q_EMIT propertyChanged(name);
}

void FoxTextBase::emitChange()
{
    if (!m_loading)
        Q_EMIT Change();
}

// ---- properties

void FoxTextBase::setForeColor(OleColor value)
{
    m_foreColor = value;
    applyFieldStyle();
    changed(QStringLiteral("ForeColor"));
}

bool FoxTextBase::Enabled() const
{
    return !m_field->testAttribute(Qt::WA_ForceDisabled);
}

void FoxTextBase::setEnabled(bool value)
{
    m_field->setEnabled(value);
    changed(QStringLiteral("Enabled"));
}

QFont FoxTextBase::Font() const
{
    return m_field->font();
}

void FoxTextBase::setFont(const QFont& font)
{
    m_field->setFont(font);
    changed(QStringLiteral("Font"));
}

void FoxTextBase::setFontSize(qreal points)
{
    QFont font = m_field->font();
    font.setPointSizeF(points);
    setFont(font);
}

void FoxTextBase::Refresh()
{
    m_field->update();
}

void FoxTextBase::setAlignment(int value)
{
    m_alignment = (value >= 0 && value <= 2) ? value : 0;
    applyFieldAlignment();
    changed(QStringLiteral("Alignment"));
}

bool FoxTextBase::Locked() const
{
    return fieldReadOnly();
}

void FoxTextBase::setLocked(bool value)
{
    setFieldReadOnly(value);
    changed(QStringLiteral("Locked"));
}

void FoxTextBase::setPasswordChar(const QString& value)
{
    m_passwordChar = value.left(1);
    applyFieldPasswordChar();
    applyFieldStyle();
    changed(QStringLiteral("PasswordChar"));
}

QString FoxTextBase::Text() const
{
    return fieldText();
}

void FoxTextBase::setText(const QString& value)
{
    if (value != fieldText())
        setFieldText(value);
    changed(QStringLiteral("Text"));
}

void FoxTextBase::setMouseMoveColor(OleColor value)
{
    m_mouseMoveColor = value;
    changed(QStringLiteral("MouseMoveColor"));
}

void FoxTextBase::setMouseInColor(OleColor value)
{
    m_mouseInColor = value;
    changed(QStringLiteral("MouseInColor"));
}

void FoxTextBase::setSelAll(bool value)
{
    m_selAll = value;
    changed(QStringLiteral("SelAll"));
}

void FoxTextBase::setOnlyNumber(bool value)
{
    m_onlyNumber = value;
    changed(QStringLiteral("OnlyNumber"));
}

void FoxTextBase::setUserDot(bool value)
{
    m_userDot = value;
    changed(QStringLiteral("UserDot"));
}

void FoxTextBase::setBorderColor(OleColor value)
{
    m_borderColor = value;
    update();
    changed(QStringLiteral("BorderColor"));
}

void FoxTextBase::setMouseOutColor(OleColor value)
{
    m_mouseOutColor = value;
    changed(QStringLiteral("MouseOutColor"));
}

void FoxTextBase::setMaxLength(int value)
{
    m_maxLength = qMax(0, value);
    applyFieldMaxLength();
    changed(QStringLiteral("MaxLength"));
}

// ---- persistence

void FoxTextBase::readProperties(const PropertyBag& bag)
{
    m_loading = true;
    m_foreColor = OleColor(bag.read(QStringLiteral("ForeColor"), DefaultForeColor).toLongLong());
    m_field->setEnabled(bag.read(QStringLiteral("Enabled"), true).toBool());
    m_field->setFont(bag.read(QStringLiteral("Font"), ambientFont()).value<QFont>());
    m_alignment = bag.read(QStringLiteral("Alignment"), 0).toInt();
    if (m_alignment < 0 || m_alignment > 2)
        m_alignment = 0;
    applyFieldAlignment();
    setFieldReadOnly(bag.read(QStringLiteral("Locked"), false).toBool());
    m_passwordChar = bag.read(QStringLiteral("PasswordChar"), QString()).toString().left(1);
    applyFieldPasswordChar();
    setFieldText(bag.read(QStringLiteral("Text"), defaultBagText()).toString());
    m_mouseMoveColor =
        OleColor(bag.read(QStringLiteral("MouseMoveColor"), DefaultMouseMoveColor).toLongLong());
    m_mouseInColor = OleColor(bag.read(QStringLiteral("MouseInColor"), DefaultMouseInColor).toLongLong());
    m_selAll = bag.read(QStringLiteral("SelAll"), false).toBool();
    m_onlyNumber = bag.read(QStringLiteral("OnlyNumber"), true).toBool();
    m_userDot = bag.read(QStringLiteral("UserDot"), false).toBool();
    m_borderColor = OleColor(bag.read(QStringLiteral("BorderColor"), DefaultBorderColor).toLongLong());
    m_mouseOutColor = OleColor(bag.read(QStringLiteral("MouseOutColor"), DefaultMouseOutColor).toLongLong());
    m_maxLength = qMax(0, bag.read(QStringLiteral("MaxLength"), 0).toInt());
    applyFieldMaxLength();
    applyFieldStyle();
    update();
    m_loading = false;
}

void FoxTextBase::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("ForeColor"), m_foreColor, DefaultForeColor);
    bag.write(QStringLiteral("Enabled"), Enabled(), true);
    bag.write(QStringLiteral("Font"), Font(), ambientFont());
    bag.write(QStringLiteral("Alignment"), m_alignment, 0);
    bag.write(QStringLiteral("Locked"), Locked(), false);
    bag.write(QStringLiteral("PasswordChar"), m_passwordChar, QString());
    bag.write(QStringLiteral("Text"), fieldText(), defaultBagText());
    bag.write(QStringLiteral("MouseMoveColor"), m_mouseMoveColor, DefaultMouseMoveColor);
    bag.write(QStringLiteral("MouseInColor"), m_mouseInColor, DefaultMouseInColor);
    bag.write(QStringLiteral("SelAll"), m_selAll, false);
    bag.write(QStringLiteral("OnlyNumber"), m_onlyNumber, true);
    bag.write(QStringLiteral("UserDot"), m_userDot, false);
    bag.write(QStringLiteral("BorderColor"), m_borderColor, DefaultBorderColor);
    bag.write(QStringLiteral("MouseOutColor"), m_mouseOutColor, DefaultMouseOutColor);
    bag.write(QStringLiteral("MaxLength"), m_maxLength, 0);
}

// ---- size and colours

void FoxTextBase::setWidth(int twips)
{
    m_twipsWidth = twips;
    layoutBox();
}

void FoxTextBase::setHeight(int twips)
{
    m_twipsHeight = twips;
    layoutBox();
}

void FoxTextBase::moveTwips(int left, int top, int width, int height)
{
    move(toPixels(left), toPixels(top));
    m_twipsWidth = width;
    m_twipsHeight = height;
    layoutBox();
}

qreal FoxTextBase::fieldFontPoints() const
{
    const QFont font = m_field->font();
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

void FoxTextBase::layoutBox()
{
    if (!m_field)
        return;
    if (m_twipsWidth < MinimumWidth)
        m_twipsWidth = MinimumWidth;
    setFieldBack(m_mouseOutColor);
    const int fieldWidth = m_twipsWidth - 2 * FieldMargin;
    int fieldHeight = qRound(fieldFontPoints() * 20);
    if (m_twipsHeight - 2 * FieldMargin > fieldHeight)
        fieldHeight = m_twipsHeight - 2 * FieldMargin;
    m_twipsHeight = fieldHeight + 2 * FieldMargin;
    QRect field(toPixels(FieldMargin), toPixels(FieldMargin), toPixels(fieldWidth), toPixels(fieldHeight));
    // Our fonts draw a line higher than their point size (Chinese characters come from a fallback
    // font that reaches higher): a field much lower than its line would cut the tops of the
    // characters. It then grows to its line's height but for the line's own spacing (2 pixels
    // above and below), centred in the box, as far as the box's border allows.
    const int line = lineHeight(m_field->font()) - 4;
    if (field.height() < line) {
        const int box = toPixels(m_twipsHeight);
        const int height = std::min(line, box - 2);
        field.setTop((box - height) / 2);
        field.setHeight(height);
    }
    m_field->setGeometry(field);
    m_inLayout = true;
    resize(toPixels(m_twipsWidth), toPixels(m_twipsHeight));
    m_inLayout = false;
    update();
}

void FoxTextBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_inLayout)
        return;
    // A size given in pixels from outside (a layout, the window's own code) counts in twips.
    if (size() != QSize(toPixels(m_twipsWidth), toPixels(m_twipsHeight))) {
        m_twipsWidth = width() * TwipsPerPixel;
        m_twipsHeight = height() * TwipsPerPixel;
    }
    layoutBox();
}

void FoxTextBase::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setFieldBack(m_mouseOutColor);
    update();
}

void FoxTextBase::paintEvent(QPaintEvent*)
{
    // The frame: filled in the field's colour so the margin looks like part of the field, with a
    // one-pixel border that is the box's outline.
    QPainter painter(this);
    painter.fillRect(rect(), OleToQColor(m_fieldBackColor));
    painter.setPen(OleToQColor(m_borderColor));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FoxTextBase::setFieldBack(OleColor color)
{
    if (color == m_fieldBackColor)
        return;
    m_fieldBackColor = color;
    applyFieldStyle();
    update();
}

void FoxTextBase::applyFieldStyle()
{
    if (!m_field)
        return;
    // The field's own style sheet, so that a skin's application-wide sheet cannot recolour it.
    // Disabled text falls back to the palette's grey.
    const QString cls = fieldClassName();
    const QString extra = extraFieldStyle();
    // Qt keeps a line edit's masking character from the sheet it had before; only a sheet set
    // on a field without one takes a new character.
    if (extra != m_appliedExtraStyle)
        m_field->setStyleSheet(QString());
    m_appliedExtraStyle = extra;
    m_field->setStyleSheet(
        QStringLiteral("%1 { background-color: %2; border: none; %3} %1:enabled { color: %4; }")
            .arg(cls, OleToQColor(m_fieldBackColor).name(), extra, OleToQColor(m_foreColor).name()));
    if (!extra.isEmpty()) {
        // The style keeps the rules it read for the field before this sheet; polished again, the
        // field reads its masking character from this one.
        m_field->style()->unpolish(m_field);
        m_field->style()->polish(m_field);
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(m_field, &styleChange);
    }
}

// ---- hover and focus

void FoxTextBase::setPollInterval(int ms)
{
    m_pollInterval = ms;
    if (ms > 0)
        m_poll.start(ms);
    else
        m_poll.stop();
}

void FoxTextBase::pollTick()
{
    const QPoint cursor = QCursor::pos();
    if (cursor == m_lastCursor)
        return;
    setPollInterval(0);
    if (!m_hasFocus) {
        fieldLostFocus();
        Q_EMIT MouseOut();
    }
}

void FoxTextBase::fieldGotFocus()
{
    setFieldBack(m_mouseInColor);
    m_hasFocus = true;
    setPollInterval(0);
    if (m_selAll)
        selectWholeText();
}

void FoxTextBase::fieldLostFocus()
{
    if (m_closing)
        return;
    m_hasFocus = false;
    setFieldBack(m_mouseOutColor);
    // The poll stays idle: the pointer is looked for again at the next move over the field.
    setPollInterval(0);
}

void FoxTextBase::fieldMouseMove(QMouseEvent* event, QPointF posInField)
{
    m_lastCursor = event->globalPosition().toPoint();
    if (!m_hasFocus) {
        setFieldBack(m_mouseMoveColor);
        if (m_pollInterval == 0)
            setPollInterval(HoverPollMs);
    }
    int button = VbButton(event->buttons());
    int shift = VbShift(event->modifiers());
    float x = toTwips(posInField.x());
    float y = toTwips(posInField.y());
    Q_EMIT MouseMove(button, shift, x, y);
}

void FoxTextBase::fieldMousePress(QMouseEvent* event, QPointF posInField)
{
    int button = VbButton(event->button());
    int shift = VbShift(event->modifiers());
    float x = toTwips(posInField.x());
    float y = toTwips(posInField.y());
    Q_EMIT MouseDown(button, shift, x, y);
}

void FoxTextBase::fieldMouseRelease(QMouseEvent* event, QPointF posInField)
{
    int button = VbButton(event->button());
    int shift = VbShift(event->modifiers());
    float x = toTwips(posInField.x());
    float y = toTwips(posInField.y());
    Q_EMIT MouseUp(button, shift, x, y);
    // The release that ends a double click gives no second Click.
    const bool afterDoubleClick = m_afterDoubleClick;
    m_afterDoubleClick = false;
    if (event->button() == Qt::LeftButton && !afterDoubleClick)
        Q_EMIT Click();
}

void FoxTextBase::fieldDoubleClick()
{
    m_afterDoubleClick = true;
    Q_EMIT DblClick();
}

// ---- keys

FoxTextBase::KeyOutcome FoxTextBase::fieldKeyPress(QKeyEvent* event)
{
    int keyCode = VbKeyCode(event);
    int shift = VbShift(event->modifiers());
    if (keyCode != 0)
        Q_EMIT KeyDown(keyCode, shift);

    const int typed = VbKeyAscii(event);
    // Tab belongs to the focus chain, not to the text.
    if (typed == 0 || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return KeyOutcome{keyCode == 0 && VbKeyCode(event) != 0 ? KeyOutcome::Swallow : KeyOutcome::Pass, {}};

    int keyAscii = typed;
    if (m_onlyNumber)
        keyAscii = FilterNumberKey(keyAscii, fieldText(), m_userDot, numberFilterExtras());
    Q_EMIT KeyPress(keyAscii);
    if (keyAscii == 0)
        return KeyOutcome{KeyOutcome::Swallow, {}};
    if (keyAscii == typed)
        return KeyOutcome{KeyOutcome::Pass, {}};
    const QString replacement = AnsiChar(keyAscii);
    if (replacement.isEmpty() || replacement.at(0).category() == QChar::Other_Control)
        return KeyOutcome{KeyOutcome::Swallow, {}};
    return KeyOutcome{KeyOutcome::Replace, replacement};
}

void FoxTextBase::fieldKeyRelease(QKeyEvent* event)
{
    int keyCode = VbKeyCode(event);
    int shift = VbShift(event->modifiers());
    if (keyCode != 0 && !event->isAutoRepeat())
        Q_EMIT KeyUp(keyCode, shift);
}

QString FoxTextBase::fieldCommitFilter(const QString& commit)
{
    // Text from an input method arrives character by character in the original, each one through
    // the filter and KeyPress like a typed key.
    QString accepted;
    QString textSoFar = fieldText();
    for (qsizetype i = 0; i < commit.size(); ++i) {
        const qsizetype len = (commit.at(i).isHighSurrogate() && i + 1 < commit.size()) ? 2 : 1;
        const QString ch = commit.mid(i, len);
        i += len - 1;
        const int typed = AnsiCode(ch);
        int keyAscii = typed;
        if (m_onlyNumber)
            keyAscii = FilterNumberKey(keyAscii, textSoFar, m_userDot, numberFilterExtras());
        Q_EMIT KeyPress(keyAscii);
        if (keyAscii == 0)
            continue;
        const QString piece = keyAscii == typed ? ch : AnsiChar(keyAscii);
        accepted += piece;
        textSoFar += piece;
    }
    return accepted;
}
