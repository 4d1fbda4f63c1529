#pragma once

#include <QFont>
#include <QTimer>
#include <QWidget>

#include "controls/olecolor.h"

class QFocusEvent;
class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;
class PropertyBag;

// What FoxText and FoxTextMu share: an edit field inside a flat frame that takes the field's
// colour, the hover and focus colours, the numeric key filter and the field's events. The box's
// size is kept in twips (15 per pixel), as the windows and the skin code give it.
//
// Getters carry the property names; setters are set<Name>. Enabled, Font and Text belong to the
// edit field: setEnabled and setFont here act on the field, the box and its frame stay as they are.
class FoxTextBase : public QWidget
{
    Q_OBJECT

public:
    static constexpr OleColor DefaultForeColor = SystemColor(SysWindowText);
    static constexpr OleColor DefaultMouseMoveColor = 0x00F3F1D1;
    static constexpr OleColor DefaultMouseInColor = 0x00F3E1CA;
    static constexpr OleColor DefaultMouseOutColor = 0x00F3E1CA;
    static constexpr OleColor DefaultBorderColor = 0x00962D00;
    // How often the hover poll looks at the pointer while it is over an unfocused box.
    static constexpr int HoverPollMs = 50;

    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor value);
    bool Enabled() const;
    void setEnabled(bool value);
    QFont Font() const;
    void setFont(const QFont& font);
    // Font.Size: the skin code sets the user's font size this way.
    void setFontSize(qreal points);
    void Refresh();
    int Alignment() const { return m_alignment; }
    void setAlignment(int value);
    bool Locked() const;
    void setLocked(bool value);
    QString PasswordChar() const { return m_passwordChar; }
    void setPasswordChar(const QString& value);
    QString Text() const;
    void setText(const QString& value);
    OleColor MouseMoveColor() const { return m_mouseMoveColor; }
    void setMouseMoveColor(OleColor value);
    OleColor MouseInColor() const { return m_mouseInColor; }
    void setMouseInColor(OleColor value);
    bool SelAll() const { return m_selAll; }
    void setSelAll(bool value);
    bool OnlyNumber() const { return m_onlyNumber; }
    void setOnlyNumber(bool value);
    bool UserDot() const { return m_userDot; }
    void setUserDot(bool value);
    OleColor BorderColor() const { return m_borderColor; }
    void setBorderColor(OleColor value);
    OleColor MouseOutColor() const { return m_mouseOutColor; }
    void setMouseOutColor(OleColor value);
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int value);

    // Size and place in twips; a resize runs the box's layout.
    int Width() const { return m_twipsWidth; }
    int Height() const { return m_twipsHeight; }
    void setWidth(int twips);
    void setHeight(int twips);
    void moveTwips(int left, int top, int width, int height);

    // The edit field (object name "Text1").
    QWidget* Text1() const { return m_field; }
    // The colour the field and the frame's fill show now.
    OleColor fieldBackColor() const { return m_fieldBackColor; }
    bool HasFocus() const { return m_hasFocus; }
    // 0 while the hover poll is idle.
    int hoverPollInterval() const { return m_pollInterval; }

    virtual void readProperties(const PropertyBag& bag);
    virtual void writeProperties(PropertyBag& bag) const;

Q_SIGNALS:
    void Click();
    void KeyDown(int& KeyCode, int& Shift);
    void KeyPress(int& KeyAscii);
    void KeyUp(int& KeyCode, int& Shift);
    void MouseDown(int& Button, int& Shift, float& X, float& Y);
    void MouseMove(int& Button, int& Shift, float& X, float& Y);
    void MouseUp(int& Button, int& Shift, float& X, float& Y);
    void DblClick();
    void Change();
    void MouseOut();
    // A property was set: the host should save it.
    void propertyChanged(const QString& name);

protected:
    explicit FoxTextBase(QWidget* parent);
    ~FoxTextBase() override;

    // Called once by the derived box with its edit field.
    void attachField(QWidget* field);

    // What differs between the single-line and the multi-line field.
    virtual QString fieldText() const = 0;
    virtual void setFieldText(const QString& text) = 0;
    virtual bool fieldReadOnly() const = 0;
    virtual void setFieldReadOnly(bool readOnly) = 0;
    virtual void applyFieldAlignment() = 0;
    virtual void applyFieldMaxLength() = 0;
    virtual void selectWholeText() = 0;
    // A multi-line field has no masking, so only the single-line box acts on PasswordChar.
    virtual void applyFieldPasswordChar() {}
    // The style sheet selector of the field and any extra declarations for it.
    virtual QString fieldClassName() const = 0;
    virtual QString extraFieldStyle() const { return QString(); }
    // Extra characters the numeric filter admits.
    virtual QString numberFilterExtras() const { return QString(); }
    // The key of the text in the property bag and its default.
    virtual QString defaultBagText() const { return QStringLiteral("Text1"); }
    void emitChange();
    void changed(const QString& name);
    bool loading() const { return m_loading; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class FoxLineEdit;
    friend class FoxPlainEdit;

    // What the field does with a key press once the events have run.
    struct KeyOutcome
    {
        enum Action
        {
            Pass,
            Swallow,
            Replace
        } action = Pass;
        QString text;
    };
    KeyOutcome fieldKeyPress(QKeyEvent* event);
    void fieldKeyRelease(QKeyEvent* event);
    QString fieldCommitFilter(const QString& commit);
    void fieldMousePress(QMouseEvent* event, QPointF posInField);
    void fieldMouseMove(QMouseEvent* event, QPointF posInField);
    void fieldMouseRelease(QMouseEvent* event, QPointF posInField);
    void fieldDoubleClick();
    void fieldGotFocus();
    void fieldLostFocus();

    void pollTick();
    void setPollInterval(int ms);
    void setFieldBack(OleColor color);
    void applyFieldStyle();
    void layoutBox();
    qreal fieldFontPoints() const;
    QFont ambientFont() const;

    QWidget* m_field = nullptr;
    bool m_closing = false;
    QTimer m_poll;
    int m_pollInterval = 0;
    bool m_hasFocus = false;
    bool m_afterDoubleClick = false;
    QString m_appliedExtraStyle;
    QPoint m_lastCursor;
    bool m_loading = false;
    bool m_inLayout = false;
    int m_twipsWidth = 1200;
    int m_twipsHeight = 330;

    OleColor m_foreColor = DefaultForeColor;
    int m_alignment = 0;
    QString m_passwordChar;
    OleColor m_mouseMoveColor = DefaultMouseMoveColor;
    OleColor m_mouseInColor = DefaultMouseInColor;
    bool m_selAll = false;
    bool m_onlyNumber = true;
    bool m_userDot = false;
    OleColor m_borderColor = DefaultBorderColor;
    OleColor m_mouseOutColor = DefaultMouseOutColor;
    int m_maxLength = 0;
    OleColor m_fieldBackColor = DefaultMouseOutColor;
};
