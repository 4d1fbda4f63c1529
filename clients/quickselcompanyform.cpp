#include "clients/quickselcompanyform.h"

#include <memory>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include "clients/formlayout.h"
#include "clients/namesearch.h"
#include "clients/quickselect.h"
#include "controls/foxtext.h"
#include "controls/skincolors.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/prompts.h"
#include "platform/twips.h"

QuickSelCompanyForm::QuickSelCompanyForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("QuickSelCompanyForm"));
    FoxText1 = NewTextBox(this, QStringLiteral("FoxText1"));
    FoxText1->moveTwips(120, 180, 2775, 375);

    const auto button = [this](const char* name, const QString& caption, int left) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(TwipsRect(left, 180, 975, 375));
        b->setAutoDefault(false);
        return b;
    };
    Command4 = button("Command4", QStringLiteral("全部"), 3120);
    Command1 = button("Command1", QStringLiteral("选择"), 5040);
    Command2 = button("Command2", QStringLiteral("取消"), 6120);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(TwipsRect(120, 720, 6975, 4050));
    setFixedSize(TwipsToPixels(120 + 6975 + 120), TwipsToPixels(720 + 4050 + 120));

    connect(FoxText1, &FoxTextBase::Change, this, &QuickSelCompanyForm::Search);
    connect(Command4, &QPushButton::clicked, this, &QuickSelCompanyForm::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &QuickSelCompanyForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(List1, &QListWidget::itemDoubleClicked, this, &QuickSelCompanyForm::Command1_Click);
}

void QuickSelCompanyForm::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        Form_Load();
    QDialog::showEvent(event);
}

void QuickSelCompanyForm::Form_Load()
{
    m_loaded = true;
    ApplySkinToForm(this);
    setWindowTitle(SelTypeIsClient ? QStringLiteral("快速选择客户") : QStringLiteral("快速选择公司"));
    Search();
}

void QuickSelCompanyForm::Search()
{
    // Writing the trimmed text back changes the box again; that change needs no second search.
    if (m_searching)
        return;
    m_searching = true;
    const QString text = TrimText(FoxText1->Text());
    if (text != FoxText1->Text())
        FoxText1->setText(text);
    m_searching = false;

    const QString table = SelTypeIsClient ? QStringLiteral("client") : QStringLiteral("company");
    const QString pinyin = SelTypeIsClient ? QStringLiteral("ClientPinyin") : QStringLiteral("companyPinyin");
    const QString name = SelTypeIsClient ? QStringLiteral("clientname") : QStringLiteral("companyname");
    const QString id = SelTypeIsClient ? QStringLiteral("clientid") : QStringLiteral("companyid");

    const NameSearch search = NameSearchCondition(text, pinyin, name);
    QString sql = QStringLiteral("select * from %1 where createuser=?").arg(table);
    if (!search.condition.isEmpty())
        sql += QStringLiteral(" and ") + search.condition;
    // Rows of equal pinyin in stored order.
    sql += QStringLiteral(" order by %1, rowid").arg(pinyin);
    FillList(List1, sql, name, id, QString(), 0, true, QVariantList{CurUserID} + search.params);
}

void QuickSelCompanyForm::Command1_Click()
{
    const int row = List1->currentRow();
    if (row < 0) {
        MsgBox(QStringLiteral("请选择一个公司。"), MsgButtons::Ok, QStringLiteral("选择公司"));
        return;
    }
    SelId = ItemData(List1, row);
    accept();
}

void QuickSelCompanyForm::Command4_Click()
{
    // Emptying the box searches through its change.
    if (FoxText1->Text().isEmpty())
        Search();
    else
        FoxText1->setText(QString());
}

qint32 QuickSelect(bool PickClient)
{
    // Each pick loads the window afresh and unloads it afterwards; nothing carries over.
    const std::unique_ptr<QuickSelCompanyForm> form(new QuickSelCompanyForm(QApplication::activeWindow()));
    form->SelTypeIsClient = PickClient;
    form->SelId = 0;
    form->exec();
    return form->SelId;
}
