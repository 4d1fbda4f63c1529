#pragma once

#include "controls/foxtextbase.h"

class QPlainTextEdit;

// The multi-line input box: the same box with a multi-line field and a vertical scroll bar, and
// without extra characters for the numeric filter (Enter still passes it, for new lines).
class FoxTextMu : public FoxTextBase
{
    Q_OBJECT

public:
    explicit FoxTextMu(QWidget* parent = nullptr);

    QPlainTextEdit* edit() const { return m_edit; }

protected:
    QString fieldText() const override;
    void setFieldText(const QString& text) override;
    bool fieldReadOnly() const override;
    void setFieldReadOnly(bool readOnly) override;
    void applyFieldAlignment() override;
    void applyFieldMaxLength() override;
    void selectWholeText() override;
    QString fieldClassName() const override { return QStringLiteral("QPlainTextEdit"); }

private:
    void enforceMaxLength();

    QPlainTextEdit* m_edit = nullptr;
    bool m_trimming = false;
};

// A window's multi-line box of free text (a remark, a description), named and empty.
FoxTextMu* NewNoteBox(QWidget* parent, const QString& name);
