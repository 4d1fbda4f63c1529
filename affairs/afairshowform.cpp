#include "affairs/afairshowform.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "affairs/affairdetail.h"
#include "affairs/affairtoday.h"
#include "controls/foxtext.h"
#include "core/dblayer.h"
#include "core/links.h"
#include "platform/twips.h"

namespace {

constexpr int Margin = 8;
constexpr int TextWidth = TwipsToPixels(6840);
constexpr int Gap = TwipsToPixels(120);
constexpr int BottomSpace = TwipsToPixels(600);
constexpr int FrameWidth = 100;
constexpr int ListHeight = 110;
constexpr int RowHeight = 24;
constexpr int ButtonWidth = 76;
constexpr int FormWidth = Margin + TextWidth + Margin + FrameWidth + Margin;

} // namespace

AFairShowForm::AFairShowForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AFairShowForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("事务查看"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->move(Margin, Margin);
    Frame1 = new QGroupBox(QStringLiteral("事务进度"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Margin + TextWidth + Margin, Margin, FrameWidth, 80);
    Check1 = new QCheckBox(QStringLiteral("完成"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(12, 22, 80, 22);
    Check2 = new QCheckBox(QStringLiteral("关闭"), Frame1);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(12, 48, 80, 22);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    Text1 = NewTextBox(this, QStringLiteral("Text1"));
    Text1->setLocked(true);
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("复制内容"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    for (QWidget* contactPart : std::initializer_list<QWidget*>{List1, Text1, Command2, Command1})
        contactPart->hide();

    connect(Check1, &QCheckBox::toggled, this, &AFairShowForm::Check1_Click);
    connect(Check2, &QCheckBox::toggled, this, &AFairShowForm::SaveProgress);
    connect(List1, &QListWidget::currentRowChanged, this, &AFairShowForm::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &AFairShowForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &AFairShowForm::Command2_Click);
}

void AFairShowForm::setProgressShown(bool shown)
{
    m_progressShown = shown;
    Frame1->setVisible(shown);
}

void AFairShowForm::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        Form_Load();
    QDialog::showEvent(event);
}

void AFairShowForm::Form_Load()
{
    m_loaded = true;
    ProgressLoading = true;
    const AffairDetail detail = LoadAffairDetail(AffairID, AffairToday());
    Check2->setChecked(detail.closed);
    Check1->setChecked(detail.done);
    Label1->setText(detail.text);
    Label1->resize(TextWidth, Label1->heightForWidth(TextWidth));
    loadContacts(detail.clientId, detail.companyId);
    layOut();
    ProgressLoading = false;
}

void AFairShowForm::loadContacts(qint32 clientId, qint32 companyId)
{
    QHash<qint32, QString> kindNames;
    for (const ContractKind& kind : LoadContractKinds())
        kindNames.insert(kind.id, kind.name);
    m_contacts = LoadClientContracts(clientId, companyId);
    const QSignalBlocker quiet(List1);
    for (const StoredContract& entry : std::as_const(m_contacts)) {
        auto* item = new QListWidgetItem(kindNames.value(entry.kindId) +
                                             (entry.isCompany ? QStringLiteral("(公司)") : QString()) +
                                             QStringLiteral("： ") + entry.data,
                                         List1);
        item->setData(Qt::UserRole, entry.contractId);
    }
}

void AFairShowForm::layOut()
{
    const int textBottom = qMax(Label1->geometry().bottom(), Frame1->geometry().bottom());
    if (List1->count() == 0) {
        setFixedSize(FormWidth, textBottom + BottomSpace);
        return;
    }
    const int fullWidth = FormWidth - 2 * Margin;
    List1->setGeometry(Margin, textBottom + Gap, fullWidth, ListHeight);
    const int rowTop = List1->geometry().bottom() + Gap;
    Command1->setGeometry(Margin + fullWidth - ButtonWidth, rowTop, ButtonWidth, RowHeight);
    Command2->setGeometry(Command1->x() - Gap - ButtonWidth, rowTop, ButtonWidth, RowHeight);
    Text1->moveTwips(Margin * TwipsPerPixel, rowTop * TwipsPerPixel, 0, RowHeight * TwipsPerPixel);
    List1->show();
    Text1->show();
    Command1->show();
    List1->setCurrentRow(0);
    setFixedSize(FormWidth, Command1->geometry().bottom() + BottomSpace);
}

void AFairShowForm::Check1_Click()
{
    // Done means closed as well, and the closed switch waits until done is taken back.
    if (Check1->isChecked())
        Check2->setChecked(true);
    Check2->setEnabled(!Check1->isChecked());
    SaveProgress();
}

void AFairShowForm::SaveProgress()
{
    if (ProgressLoading)
        return;
    SaveAffairProgress(AffairID, Check1->isChecked(), Check2->isChecked());
}

void AFairShowForm::List1_Click()
{
    const int row = List1->currentRow();
    if (row < 0 || row >= m_contacts.size())
        return;
    const StoredContract& entry = m_contacts.at(row);
    Text1->setText(entry.data);
    Command2->setText(entry.buttonName);
    Command2->setVisible(!entry.buttonName.isEmpty());
    const int textEnd = (entry.buttonName.isEmpty() ? Command1->x() : Command2->x()) - Gap;
    Text1->setWidth((textEnd - Text1->x()) * TwipsPerPixel);
}

void AFairShowForm::Command1_Click()
{
    Text1->setText(TrimText(Text1->Text()));
    if (Text1->Text().isEmpty())
        return;
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(Text1->Text());
}

void AFairShowForm::Command2_Click()
{
    Text1->setText(TrimText(Text1->Text()));
    if (!Text1->Text().isEmpty())
        OpenLink(LinkKindOfCaption(Command2->text()), Text1->Text());
}
