#pragma once

#include <deque>
#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/prompts.h"

// Prompts answered from queues and recorded, for tests. A prompt with no queued answer is
// unexpected: onUnexpected is called (tests fail there) and a cancelling answer is given.
class ScriptedPrompts : public Prompts
{
public:
    enum class Kind { Message, Input, File, Link, Program, Preview };
    struct Record
    {
        Kind kind;
        QString text;  // message text, input prompt, file title, link, program or preview title
        QString title; // title as the caller gave it (empty = application title)
        MsgButtons buttons = MsgButtons::Ok;
        MsgIcon icon = MsgIcon::None;
        QString defaultText;
        QStringList arguments;
        InputOptions inputOptions; // of an input box
        QString folder;            // the folder a file chooser starts in
    };

    void answerMessage(MsgResult answer) { m_messages.push_back(answer); }
    void answerInput(const QString& text) { m_inputs.push_back(text); }
    void answerFile(const QString& path) { m_files.push_back(path); }
    // Links and programs need no answer; these set what they return.
    void setLinkResult(bool opened) { m_linkResult = opened; }
    // By default a program is not really started and pid 0 is returned; a starter may start it.
    void setProgramStarter(std::function<qint64(const QString&, const QStringList&)> starter)
    {
        m_starter = std::move(starter);
    }
    // Print previews are painted into this PDF file when set.
    void setPreviewPdf(const QString& path) { m_previewPdf = path; }

    const QList<Record>& records() const { return m_records; }
    QStringList messageTexts() const;
    Record last() const { return m_records.isEmpty() ? Record{Kind::Message, {}, {}, MsgButtons::Ok, MsgIcon::None, {}, {}, {}, {}} : m_records.last(); }
    int pendingAnswers() const { return int(m_messages.size() + m_inputs.size() + m_files.size()); }
    void clear();

    std::function<void(const QString&)> onUnexpected;

    MsgResult message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    QString inputText(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                     const InputOptions& options) override;
    QString chooseFile(const QString& title, const QString& filter, const QString& folder = QString()) override;
    bool openLink(const QString& url) override;
    qint64 startProgram(const QString& program, const QStringList& arguments) override;
    void printPreview(const QString& title, const std::function<void(QPrinter*)>& paint) override;

private:
    void unexpected(const QString& what);

    std::deque<MsgResult> m_messages;
    std::deque<QString> m_inputs;
    std::deque<QString> m_files;
    bool m_linkResult = true;
    std::function<qint64(const QString&, const QStringList&)> m_starter;
    QString m_previewPdf;
    QList<Record> m_records;
};
