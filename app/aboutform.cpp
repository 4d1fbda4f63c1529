#include "app/aboutform.h"

#include <QLabel>
#include <QPushButton>

#include "controls/skincolors.h"
#include "platform/prompts.h"

namespace {

int twips(int value)
{
    return value / 15;
}

} // namespace

AboutForm::AboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(twips(600), twips(360));
    Command2 = new QPushButton(QStringLiteral("确 定"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->resize(twips(1215), twips(390));
    connect(Command2, &QPushButton::clicked, this, &AboutForm::Command2_Click);

    // Load
    ApplySkinToForm(this);
    setWindowTitle(QStringLiteral("关于") + applicationTitle());
    // The label shows the lines as the platform breaks them.
    Label1->setText(aboutText().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    arrange();
}

QString AboutForm::aboutText()
{
    return QStringLiteral("DezArod 客户销售管理系统\r\n"
                          "版本 1.0\r\n"
                          "客户与公司、跟进事务、商品与订单、销售统计。");
}

void AboutForm::arrange()
{
    // The label sizes itself to its text.
    Label1->adjustSize();
    const int width = Label1->width() + twips(1200);
    const int buttonTop = Label1->y() + Label1->height() + twips(180);
    Command2->move((width - Command2->width()) / 2, buttonTop);
    setFixedSize(width, buttonTop + Command2->height() + twips(540));
}

void AboutForm::Command2_Click()
{
    close();
}
