#include "platform/scriptedprompts.h"

#include <stdexcept>

#include <QPrinter>

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const Record& r : m_records) {
        if (r.kind == Kind::Message)
            texts << r.text;
    }
    return texts;
}

void ScriptedPrompts::clear()
{
    m_records.clear();
    m_messages.clear();
    m_inputs.clear();
    m_files.clear();
}

void ScriptedPrompts::unexpected(const QString& what)
{
    if (onUnexpected)
        onUnexpected(what);
    else
        throw std::logic_error(("unexpected prompt: " + what).toStdString());
}

MsgResult ScriptedPrompts::message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    m_records.append({Kind::Message, text, title, buttons, icon, {}, {}, {}, {}});
    if (m_messages.empty()) {
        unexpected(QStringLiteral("message box \"%1\"").arg(text));
        return buttons == MsgButtons::Ok ? MsgResult::Ok
                                         : (buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel);
    }
    const MsgResult answer = m_messages.front();
    m_messages.pop_front();
    return answer;
}

QString ScriptedPrompts::inputText(const QString& prompt, const QString& title, const QString& defaultText)
{
    return inputBox(prompt, title, defaultText, InputOptions());
}

QString ScriptedPrompts::inputBox(const QString& prompt, const QString& title, const QString& defaultText,
                                  const InputOptions& options)
{
    m_records.append({Kind::Input, prompt, title, MsgButtons::OkCancel, MsgIcon::None, defaultText, {}, options, {}});
    if (m_inputs.empty()) {
        unexpected(QStringLiteral("input box \"%1\"").arg(prompt));
        return QString();
    }
    const QString answer = m_inputs.front();
    m_inputs.pop_front();
    return answer;
}

QString ScriptedPrompts::chooseFile(const QString& title, const QString& filter, const QString& folder)
{
    m_records.append({Kind::File, title, title, MsgButtons::OkCancel, MsgIcon::None, filter, {}, {}, folder});
    if (m_files.empty()) {
        unexpected(QStringLiteral("file chooser \"%1\"").arg(title));
        return QString();
    }
    const QString answer = m_files.front();
    m_files.pop_front();
    return answer;
}

bool ScriptedPrompts::openLink(const QString& url)
{
    m_records.append({Kind::Link, url, {}, MsgButtons::Ok, MsgIcon::None, {}, {}, {}, {}});
    return m_linkResult;
}

qint64 ScriptedPrompts::startProgram(const QString& program, const QStringList& arguments)
{
    m_records.append({Kind::Program, program, {}, MsgButtons::Ok, MsgIcon::None, {}, arguments, {}, {}});
    return m_starter ? m_starter(program, arguments) : 0;
}

void ScriptedPrompts::printPreview(const QString& title, const std::function<void(QPrinter*)>& paint)
{
    m_records.append({Kind::Preview, title, title, MsgButtons::Ok, MsgIcon::None, {}, {}, {}, {}});
    if (m_previewPdf.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_previewPdf);
    paint(&printer);
}
