#include "platform/qtprompts.h"

#include <cstdio>

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QUrl>

namespace {

// Without a display nobody can answer a dialog: the prompt is written to standard error and
// answered with its default instead of waiting for ever.
bool headless()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen") ||
           QGuiApplication::platformName() == QLatin1String("minimal");
}

MsgResult defaultAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgResult::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgResult::Yes;
    case MsgButtons::RetryCancel:
        return MsgResult::Retry;
    }
    return MsgResult::Ok;
}

} // namespace

MsgResult QtPrompts::message(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    if (headless()) {
        std::fprintf(stderr, "%s: %s\n", (title.isEmpty() ? applicationTitle() : title).toUtf8().constData(),
                     text.toUtf8().constData());
        return defaultAnswer(buttons);
    }
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::None:
        break;
    }
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MsgButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgResult::Ok;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Retry:
        return MsgResult::Retry;
    default:
        // Closing the box counts as its cancelling button (or OK when it has only that).
        return buttons == MsgButtons::Ok ? MsgResult::Ok
                                         : (buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel);
    }
}

QString QtPrompts::inputText(const QString& prompt, const QString& title, const QString& defaultText)
{
    if (headless())
        return QString();
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, title.isEmpty() ? applicationTitle() : title, prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtPrompts::chooseFile(const QString& title, const QString& filter, const QString& folder)
{
    if (headless())
        return QString();
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

bool QtPrompts::openLink(const QString& url)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

qint64 QtPrompts::startProgram(const QString& program, const QStringList& arguments)
{
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, QString(), &pid))
        return 0;
    return pid;
}

void QtPrompts::printPreview(const QString& title, const std::function<void(QPrinter*)>& paint)
{
    if (headless())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&](QPrinter* p) { paint(p); });
    dialog.exec();
}
