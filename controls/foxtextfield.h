#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

class FoxTextBase;

// The edit fields of the text boxes. They hand every key, input-method, mouse and focus event to
// their box first, which raises its events and decides what the field does with the input.
class FoxLineEdit : public QLineEdit
{
public:
    FoxLineEdit(FoxTextBase* owner, QWidget* parent);

    // A text put in from code (a loaded record, a picked name) shows from its start while the
    // field waits, where a line edit would show its end; reached from the keyboard or from code,
    // the field then takes the typing at the end of the text, as after any text put in. The field
    // being typed in keeps its cursor.
    void setTextFromCode(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // After a text put in from code: the first focus or key moves the cursor to the text's end.
    void takeTypingAtEnd();

    FoxTextBase* m_owner;
    bool m_endOnFocus = false;
};

class FoxPlainEdit : public QPlainTextEdit
{
public:
    FoxPlainEdit(FoxTextBase* owner, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPointF fieldPos(const QMouseEvent* event) const;

    FoxTextBase* m_owner;
};
