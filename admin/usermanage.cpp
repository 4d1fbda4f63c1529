#include "admin/usermanage.h"

#include <QComboBox>
#include <QLabel>

#include "admin/ownsettings.h"
#include "controls/foxtext.h"
#include "controls/skincolors.h"
#include "controls/toolband.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace {

constexpr int FirstRowTop = 64;
constexpr int RowStep = 34;
constexpr int LabelLeft = 16;
constexpr int LabelWidth = 110;
constexpr int BoxLeft = LabelLeft + LabelWidth + 6;
constexpr int BoxWidth = 220;

int rowTop(int row)
{
    return FirstRowTop + RowStep * row;
}

} // namespace

UserManage::UserManage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UserManage"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("个人资料管理"));

    // Two captions of four characters side by side need some air between them.
    ToolBandSizes sizes;
    sizes.buttonWidth = 66;
    ToolBand band(this, 8, sizes);
    VsNetBut1.push_back(band.addSeparator(QStringLiteral("VsNetBut1")));
    VsNetBut2 = band.addButton(QStringLiteral("VsNetBut2"), QStringLiteral("保存资料"));
    VsNetBut3 = band.addButton(QStringLiteral("VsNetBut3"), QStringLiteral("测试邮箱"));
    VsNetBut1.push_back(band.addSeparator(QStringLiteral("VsNetBut1")));
    VsNetBut9 = band.addButton(QStringLiteral("VsNetBut9"), QStringLiteral("退 出"));

    const auto label = [this](const QString& caption, int row) {
        auto* text = new QLabel(caption, this);
        text->setGeometry(LabelLeft, rowTop(row), LabelWidth, 22);
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    const auto box = [this, &label](const QString& name, const QString& caption, int row, bool masked) {
        label(caption, row);
        FoxText* field = NewTextBox(this, name);
        if (masked)
            field->setPasswordChar(QStringLiteral("*"));
        field->moveTwips(BoxLeft * TwipsPerPixel, rowTop(row) * TwipsPerPixel, BoxWidth * TwipsPerPixel,
                         field->Height());
        return field;
    };
    FoxText1 = box(QStringLiteral("FoxText1"), QStringLiteral("新密码："), 0, true);
    FoxText2 = box(QStringLiteral("FoxText2"), QStringLiteral("再次输入密码："), 1, true);
    FoxText3 = box(QStringLiteral("FoxText3"), QStringLiteral("邮箱："), 2, false);
    FoxText4 = box(QStringLiteral("FoxText4"), QStringLiteral("邮箱用户名："), 3, false);
    FoxText5 = box(QStringLiteral("FoxText5"), QStringLiteral("邮箱密码："), 4, true);
    label(QStringLiteral("邮箱smtp："), 5);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setEditable(true);
    Combo2->addItems(PresetSmtpServers);
    Combo2->setGeometry(BoxLeft, rowTop(5), BoxWidth, 24);
    setFixedSize(BoxLeft + BoxWidth + 24, rowTop(6) + 12);

    connect(VsNetBut2, &VsNetBut::Click, this, &UserManage::VsNetBut2_Click);
    connect(VsNetBut3, &VsNetBut::Click, this, &UserManage::VsNetBut3_Click);
    connect(VsNetBut9, &VsNetBut::Click, this, &QDialog::close);
    Form_Load();
}

void UserManage::Form_Load()
{
    ApplySkinToForm(this);
    // As high as the user's font needs, so that the server's name is not cut.
    Combo2->resize(Combo2->width(), qMax(Combo2->height(), Combo2->sizeHint().height()));
    const OwnSettings session = SessionOwnSettings();
    FoxText3->setText(session.email);
    FoxText4->setText(session.emailName);
    FoxText5->setText(session.emailPassword);
    Combo2->setCurrentText(session.emailSmtp);
}

OwnSettings UserManage::typed() const
{
    return OwnSettings{FoxText1->Text(), FoxText2->Text(), FoxText3->Text(),
                       FoxText4->Text(), FoxText5->Text(), Combo2->currentText()};
}

void UserManage::VsNetBut2_Click()
{
    FoxText1->setText(TrimText(FoxText1->Text()));
    FoxText2->setText(TrimText(FoxText2->Text()));
    const OwnSettings settings = typed();
    const QString refusal = NewPasswordRefusal(settings.newPassword, settings.passwordAgain);
    if (!refusal.isEmpty()) {
        MsgBox(refusal, MsgButtons::Ok, QStringLiteral("保存失败"));
        return;
    }
    SaveOwnSettings(settings);
    close();
}

void UserManage::VsNetBut3_Click()
{
    MsgBox(QStringLiteral("系统将用您的邮箱向您的邮箱发一封邮件，后您可以登录您的邮箱查看是否收到。\r\n\r\n"
                          "如果您收到了邮箱，证明您的邮箱设置是正确的，你可以进行必要的保存。"));
    SendTestMail(typed());
}
