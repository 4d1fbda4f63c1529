#include "app/foxinputform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>

#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "controls/skincolors.h"
#include "platform/twips.h"

namespace {

// Pixels; the window is as wide as the text box plus its margins.
constexpr int Margin = 15;
constexpr int BoxWidth = TwipsToPixels(4800);
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 26;
constexpr int Spacing = 10;

} // namespace

FoxInputForm::FoxInputForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FoxInputForm"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    FoxText1 = new FoxText(this);
    FoxText1->setObjectName(QStringLiteral("FoxText1"));
    FoxText1->setText(QString());
    VsNetBut1 = new VsNetBut(this);
    VsNetBut1->setObjectName(QStringLiteral("VsNetBut1"));
    VsNetBut1->setCaption(QStringLiteral("确 定"));
    VsNetBut2 = new VsNetBut(this);
    VsNetBut2->setObjectName(QStringLiteral("VsNetBut2"));
    VsNetBut2->setCaption(QStringLiteral("取 消"));

    connect(VsNetBut1, &VsNetBut::Click, this, &FoxInputForm::VsNetBut1_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &FoxInputForm::VsNetBut2_Click);
    connect(FoxText1, &FoxTextBase::KeyPress, this, &FoxInputForm::FoxText1_KeyPress);

    // Load
    ApplySkinToForm(this);
    arrange();
}

void FoxInputForm::arrange()
{
    Label1->setGeometry(Margin, Margin, BoxWidth, Label1->heightForWidth(BoxWidth));
    FoxText1->moveTwips(Margin * 15, (Label1->geometry().bottom() + 1 + Spacing / 2) * 15, BoxWidth * 15,
                        FoxText1->Height());
    const int buttonTop = FoxText1->geometry().bottom() + 1 + Spacing;
    const int right = Margin + BoxWidth;
    VsNetBut2->setGeometry(right - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    VsNetBut1->setGeometry(right - 2 * ButtonWidth - Spacing, buttonTop, ButtonWidth, ButtonHeight);
    setFixedSize(right + Margin, buttonTop + ButtonHeight + Margin);
}

void FoxInputForm::VsNetBut1_Click()
{
    MyInputValue = FoxText1->Text();
    hide();
}

void FoxInputForm::VsNetBut2_Click()
{
    MyInputValue.clear();
    hide();
}

void FoxInputForm::FoxText1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        VsNetBut1_Click();
}

void FoxInputForm::reject()
{
    // Escape counts as "取 消", never as the previous answer.
    MyInputValue.clear();
    QDialog::reject();
}

void FoxInputForm::closeEvent(QCloseEvent* event)
{
    // So does the close box.
    MyInputValue.clear();
    QDialog::closeEvent(event);
}

void FoxInputForm::showEvent(QShowEvent* event)
{
    arrange();
    QDialog::showEvent(event);
}

QString ShowFoxInputForm(const QString& Prompt, const QString& Title, const QString& DefaultText,
                         bool OnlyNumber, bool UserDot, const QString& PasswordChar, bool SelAll)
{
    FoxInputForm form(QApplication::activeWindow());
    form.FoxText1->setUserDot(UserDot);
    form.FoxText1->setOnlyNumber(OnlyNumber);
    form.FoxText1->setPasswordChar(PasswordChar.left(1));
    form.FoxText1->setSelAll(SelAll);
    form.Label1->setText(Prompt);
    form.setWindowTitle(Title);
    form.FoxText1->setText(DefaultText);
    form.arrange();
    form.exec();
    return form.MyInputValue;
}
