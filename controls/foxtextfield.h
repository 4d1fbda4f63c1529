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
    FoxTextBase* m_owner;
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
