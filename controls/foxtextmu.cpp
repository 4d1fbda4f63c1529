#include "controls/foxtextmu.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "controls/foxtextfield.h"

FoxTextMu::FoxTextMu(QWidget* parent) : FoxTextBase(parent)
{
    auto* edit = new FoxPlainEdit(this, this);
    m_edit = edit;
    m_edit->setFrameShape(QFrame::NoFrame);
    // A new multi-line box starts empty (the bag's default text is still "Text1").
    connect(m_edit, &QPlainTextEdit::textChanged, this, [this] {
        enforceMaxLength();
        if (!m_trimming)
            emitChange();
    });
    attachField(m_edit);
}

QString FoxTextMu::fieldText() const
{
    return m_edit->toPlainText();
}

void FoxTextMu::setFieldText(const QString& text)
{
    m_edit->setPlainText(text);
}

bool FoxTextMu::fieldReadOnly() const
{
    return m_edit->isReadOnly();
}

void FoxTextMu::setFieldReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
}

void FoxTextMu::applyFieldAlignment()
{
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    QTextOption option = m_edit->document()->defaultTextOption();
    option.setAlignment(horizontal[Alignment()]);
    m_edit->document()->setDefaultTextOption(option);
}

void FoxTextMu::applyFieldMaxLength()
{
    enforceMaxLength();
}

void FoxTextMu::enforceMaxLength()
{
    // A multi-line field has no limit of its own: typed or pasted characters beyond MaxLength are
    // taken back from just before the cursor, where they went in.
    const int limit = MaxLength();
    if (limit <= 0 || m_trimming || loading())
        return;
    const int excess = int(m_edit->toPlainText().size()) - limit;
    if (excess <= 0)
        return;
    m_trimming = true;
    QTextCursor cursor = m_edit->textCursor();
    const int end = cursor.position();
    cursor.setPosition(qMax(0, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (m_edit->toPlainText().size() > limit) {
        cursor.setPosition(limit);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    m_trimming = false;
}

void FoxTextMu::selectWholeText()
{
    m_edit->selectAll();
}

FoxTextMu* NewNoteBox(QWidget* parent, const QString& name)
{
    auto* box = new FoxTextMu(parent);
    box->setObjectName(name);
    box->setOnlyNumber(false);
    box->setText(QString());
    return box;
}
