#pragma once

#include <QDialog>

class FoxText;
class FoxTextMu;
class QPushButton;

// The program's mail window: one recipient, subject, body and at most one attachment of up to
// 1 MB, sent with SendMail through the logged-in user's mail account. It closes when the mail has
// gone and stays open with its contents otherwise.
class EmailForm : public QDialog
{
    Q_OBJECT

public:
    // The largest attachment, in bytes.
    static constexpr qint64 MaxAttachmentSize = 1048576;

    explicit EmailForm(QWidget* parent = nullptr);

    FoxText* TextToaddress = nullptr;
    FoxText* TextFromName = nullptr;
    FoxText* TextSubject = nullptr;
    FoxTextMu* TextBody = nullptr;
    FoxText* Textachment = nullptr; // the attachment's path, filled by CommandFile only
    QPushButton* CommandSend = nullptr;
    QPushButton* CommandFile = nullptr;
    QPushButton* Command1 = nullptr; // clears the attachment

private:
    void CommandSend_Click();
    void CommandFile_Click();
    void Command1_Click();
};

// Shows a fresh mail window, modal, addressed to address. The application installs it as the
// mail window that OpenLink opens.
void ShowEmailForm(const QString& address);
