#include "clients/emailform.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/skincolors.h"
#include "core/dblayer.h"
#include "core/links.h"
#include "core/mail.h"
#include "core/session.h"
#include "platform/prompts.h"

namespace {

// Pixels.
constexpr int Margin = 12;
constexpr int LabelWidth = 70;
constexpr int FieldLeft = Margin + LabelWidth;
constexpr int FieldWidth = 420;
constexpr int RowStep = 32;
constexpr int BodyHeight = 220;
constexpr int ButtonWidth = 84;
constexpr int ButtonHeight = 26;

} // namespace

EmailForm::EmailForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EmailForm"));
    setWindowTitle(QStringLiteral("发送邮件"));

    int top = Margin;
    const auto label = [this](const QString& caption, int y) {
        auto* l = new QLabel(caption, this);
        l->setGeometry(Margin, y, LabelWidth, 22);
    };
    const auto field = [&](const char* name, const QString& caption) {
        label(caption, top);
        FoxText* box = NewTextBox(this, QLatin1String(name));
        box->moveTwips(FieldLeft * 15, top * 15, FieldWidth * 15, box->Height());
        top += RowStep;
        return box;
    };
    TextToaddress = field("TextToaddress", QStringLiteral("收件人："));
    TextFromName = field("TextFromName", QStringLiteral("发件人："));
    TextFromName->setLocked(true);
    TextSubject = field("TextSubject", QStringLiteral("主  题："));

    label(QStringLiteral("内  容："), top);
    TextBody = NewNoteBox(this, QStringLiteral("TextBody"));
    TextBody->moveTwips(FieldLeft * 15, top * 15, FieldWidth * 15, BodyHeight * 15);
    top += BodyHeight + Margin;

    Textachment = field("Textachment", QStringLiteral("附  件："));
    Textachment->setLocked(true);

    const auto button = [&](const char* name, const QString& caption, int index) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setGeometry(FieldLeft + FieldWidth - (3 - index) * (ButtonWidth + 8) + 8, top, ButtonWidth,
                       ButtonHeight);
        return b;
    };
    CommandFile = button("CommandFile", QStringLiteral("添加附件"), 0);
    Command1 = button("Command1", QStringLiteral("清除附件"), 1);
    CommandSend = button("CommandSend", QStringLiteral("发送"), 2);
    setFixedSize(FieldLeft + FieldWidth + Margin, top + ButtonHeight + Margin);

    connect(CommandSend, &QPushButton::clicked, this, &EmailForm::CommandSend_Click);
    connect(CommandFile, &QPushButton::clicked, this, &EmailForm::CommandFile_Click);
    connect(Command1, &QPushButton::clicked, this, &EmailForm::Command1_Click);

    ApplySkinToForm(this);
}

void EmailForm::CommandFile_Click()
{
    const QString path = ChooseFile(QString(), QStringLiteral("选择附件"));
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    if (!file.exists())
        return;
    if (file.size() > MaxAttachmentSize) {
        MsgBox(QStringLiteral("附件不要超过1MB。"), MsgButtons::Ok, QStringLiteral("选择附件"));
        return;
    }
    Textachment->setText(path);
}

void EmailForm::Command1_Click()
{
    Textachment->setText(QString());
}

void EmailForm::CommandSend_Click()
{
    const QString to = TrimText(TextToaddress->Text());
    TextToaddress->setText(to);
    TextFromName->setText(CurUserName);
    if (to.isEmpty()) {
        MsgBox(QStringLiteral("邮件地址不能为空。"), MsgButtons::Ok, QStringLiteral("发送邮件"));
        return;
    }
    if (!IsValidEmail(to)) {
        MsgBox(QStringLiteral("非有效收件地址。"), MsgButtons::Ok, QStringLiteral("发送邮件"));
        return;
    }
    QString subject = TrimText(TextSubject->Text());
    if (subject.isEmpty())
        subject = QStringLiteral("无主题");
    TextSubject->setText(subject);
    if (TextBody->Text().isEmpty())
        TextBody->setText(QStringLiteral("无内容"));

    if (SendMail(CurUserName, UserEmail, UserEmailName, UnscrambleText(UserEmailPass), UserEmailSmtp, to,
                 subject, TextBody->Text(), Textachment->Text()))
        accept();
}

void ShowEmailForm(const QString& address)
{
    EmailForm form(QApplication::activeWindow());
    form.TextToaddress->setText(address);
    form.exec();
}
