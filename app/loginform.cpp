#include "app/loginform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "app/aboutform.h"
#include "core/dblayer.h"
#include "core/login.h"
#include "controls/skincolors.h"
#include "platform/dberror.h"
#include "platform/prompts.h"

namespace {

constexpr int WindowWidth = 360;
constexpr int BannerHeight = 72;
constexpr int LabelLeft = 60;
constexpr int FieldLeft = 110;
constexpr int FieldWidth = 200;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 26;

// The window's picture: it keeps its own look under every skin.
QPixmap banner()
{
    QPixmap pixmap(WindowWidth, BannerHeight);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, BannerHeight);
    gradient.setColorAt(0, QColor(0x2D, 0x5F, 0x9E));
    gradient.setColorAt(1, QColor(0x86, 0xB2, 0xE0));
    painter.fillRect(pixmap.rect(), gradient);
    QFont font = painter.font();
    font.setPointSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("客户销售管理系统"));
    return pixmap;
}

} // namespace

LoginForm::LoginForm(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("LoginForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(applicationTitle());

    NoChange = new QLabel(this);
    NoChange->setObjectName(QStringLiteral("NoChange"));
    NoChange->setPixmap(banner());
    NoChange->setGeometry(0, 0, WindowWidth, BannerHeight);
    Label1 = new QLabel(QStringLiteral("用户："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label2 = new QLabel(QStringLiteral("密码："), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    FoxText1 = NewTextBox(this, QStringLiteral("FoxText1"));
    FoxText1->setPasswordChar(QStringLiteral("*"));
    const auto button = [this](const QString& name, const QString& caption) {
        auto* b = new VsNetBut(this);
        b->setObjectName(name);
        b->setCaption(caption);
        return b;
    };
    VsNetBut1 = button(QStringLiteral("VsNetBut1"), QStringLiteral("登 录"));
    VsNetBut2 = button(QStringLiteral("VsNetBut2"), QStringLiteral("退 出"));
    VsNetBut3 = button(QStringLiteral("VsNetBut3"), QStringLiteral("关 于"));

    connect(VsNetBut1, &VsNetBut::Click, this, &LoginForm::VsNetBut1_Click);
    connect(VsNetBut2, &VsNetBut::Click, this, &LoginForm::VsNetBut2_Click);
    connect(VsNetBut3, &VsNetBut::Click, this, &LoginForm::VsNetBut3_Click);
    connect(FoxText1, &FoxTextBase::KeyPress, this, &LoginForm::FoxText1_KeyPress);

    Form_Load();
}

void LoginForm::Form_Load()
{
    PrepareLogin(Combo1);
    ApplySkinToForm(this);
    arrange();
}

void LoginForm::arrange()
{
    // The rows follow the font size the skin code gave the list and the password box.
    const int comboTop = BannerHeight + 16;
    Combo1->setGeometry(FieldLeft, comboTop, FieldWidth, Combo1->sizeHint().height());
    Label1->adjustSize();
    Label1->move(LabelLeft, comboTop + (Combo1->height() - Label1->height()) / 2);
    const int boxTop = Combo1->geometry().bottom() + 1 + 10;
    FoxText1->moveTwips(FieldLeft * 15, boxTop * 15, FieldWidth * 15, FoxText1->Height());
    Label2->adjustSize();
    Label2->move(LabelLeft, boxTop + (FoxText1->height() - Label2->height()) / 2);
    const int buttonTop = FoxText1->geometry().bottom() + 1 + 16;
    const int gap = (WindowWidth - 3 * ButtonWidth) / 4;
    VsNetBut1->setGeometry(gap, buttonTop, ButtonWidth, ButtonHeight);
    VsNetBut2->setGeometry(2 * gap + ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    VsNetBut3->setGeometry(3 * gap + 2 * ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    setFixedSize(WindowWidth, buttonTop + ButtonHeight + 16);
}

void LoginForm::VsNetBut1_Click()
{
    const int index = Combo1->currentIndex();
    const std::optional<qint32> userId =
        index < 0 ? std::nullopt : std::optional<qint32>(ItemData(Combo1, index));
    LoginResult result;
    try {
        result = LogIn(userId, FoxText1->Text());
    } catch (const DbBusyError&) {
        // The login writes the corrected font size: told by the application, tried again by the user.
        CloseDatabase();
        throw;
    } catch (const DbError& e) {
        // An engine error ends the program, after its message.
        CloseDatabase();
        MsgBox(e.message(), MsgButtons::Ok, QString(), MsgIcon::Critical);
        QCoreApplication::exit(1);
        return;
    }
    if (result != LoginResult::LoggedIn) {
        MsgBox(LoginMessage(result));
        return;
    }
    Q_EMIT loggedIn();
    close();
}

void LoginForm::VsNetBut2_Click()
{
    close();
}

void LoginForm::VsNetBut3_Click()
{
    AboutForm about(this);
    about.exec();
}

void LoginForm::FoxText1_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13)
        VsNetBut1_Click();
}
