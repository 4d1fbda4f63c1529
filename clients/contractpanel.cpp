#include "clients/contractpanel.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include "clients/formlayout.h"
#include "controls/dropdownfit.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/links.h"
#include "platform/twips.h"

namespace {

// Twips.
constexpr int FirstTop = 120;
constexpr int RowGap = 60;
constexpr int ScrollStep = 120;
constexpr int ComboLeft = 120;
constexpr int ComboWidth = 975;
constexpr int TextLeft = 1200;
constexpr int TextWidth = 3375;
constexpr int DelLeft = 4680;
constexpr int DelWidth = 375;
constexpr int CommandLeft = 5160;
constexpr int CommandWidth = 1095;
constexpr int ScrollBarRightGap = 90;
constexpr int ScrollBarHeightCut = 60;
// Pushes the key in the delete button's caption out of sight.
constexpr int HiddenCaptionOffset = 1000;

QPixmap deleteMark()
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
    painter.drawLine(2, 2, 10, 10);
    painter.drawLine(10, 2, 2, 10);
    return pixmap;
}

} // namespace

ContractPanel::ContractPanel(Owner owner, QWidget* parent) : QWidget(parent), m_owner(owner)
{
    setObjectName(QStringLiteral("Picture1"));
    Picture2 = new QWidget(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    VS1 = new QScrollBar(Qt::Vertical, this);
    VS1->setObjectName(QStringLiteral("VS1"));
    VS1->setEnabled(false);
    connect(VS1, &QScrollBar::valueChanged, this, &ContractPanel::VS1_Change);

    // The entry row, index 0 of the four arrays.
    auto* combo = new QComboBox(Picture2);
    combo->setObjectName(QStringLiteral("ContractCombo_0"));
    combo->resize(combo->width(), combo->sizeHint().height());
    FoxText* text = NewTextBox(Picture2, QStringLiteral("ContractText_0"));
    auto* del = new VsNetBut(Picture2);
    del->setObjectName(QStringLiteral("ContractDel_0"));
    del->setButtonPicture(deleteMark());
    del->hide();
    auto* command = new QPushButton(QStringLiteral("发送信息"), Picture2);
    command->setObjectName(QStringLiteral("ContractCommand_0"));
    command->setAutoDefault(false);
    command->hide();
    ContractCombo.push_back(combo);
    ContractText.push_back(text);
    ContractDel.push_back(del);
    ContractCommand.push_back(command);
    m_topTwips.push_back(FirstTop);
    placeRow(0, FirstTop);

    text->edit()->installEventFilter(this);
    connect(text, &FoxTextBase::KeyPress, this, [this](int& KeyAscii) {
        if (KeyAscii == 13)
            AddEntryRow();
    });
    ArrangeRows();
}

int ContractPanel::RowHeight() const
{
    return ContractCombo[0]->height() * TwipsPerPixel;
}

void ContractPanel::placeRow(int index, int topTwips)
{
    const size_t i = size_t(index);
    const int h = RowHeight();
    m_topTwips[i] = topTwips;
    const int shift = m_comboGrowth;
    ContractCombo[i]->setGeometry(TwipsRect(ComboLeft, topTwips, ComboWidth + shift, h));
    ContractText[i]->moveTwips(TextLeft + shift, topTwips, TextWidth, h);
    ContractDel[i]->setGeometry(TwipsRect(DelLeft + shift, topTwips, DelWidth, h));
    ContractCommand[i]->setGeometry(TwipsRect(CommandLeft + shift, topTwips, CommandWidth, h));
}

int ContractPanel::NeededWidth() const
{
    const int barWidth = VS1->sizeHint().width() * TwipsPerPixel;
    return CommandLeft + m_comboGrowth + CommandWidth + ComboLeft + barWidth + ScrollBarRightGap;
}

void ContractPanel::LoadKinds()
{
    QComboBox* combo = ContractCombo[0];
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const ContractKind& kind : LoadContractKinds())
        combo->addItem(kind.name, kind.id);
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);

    // The owner's skin has set the fonts by now: a row is as high as its kind list or its text box
    // needs, whichever is higher, so that rows never run into each other, and the kind list as
    // wide as the kinds' names need.
    combo->resize(combo->width(), std::max(combo->sizeHint().height(), ContractText[0]->height()));
    m_comboGrowth = std::max(0, WidthForEntries(combo) * TwipsPerPixel - ComboWidth);
    placeRow(0, m_topTwips[0]);
    ArrangeRows();
}

int ContractPanel::loadRow()
{
    const int n = ++ContractCount;
    const QString suffix = QStringLiteral("_%1").arg(n);
    QComboBox* templateCombo = ContractCombo[0];
    FoxText* templateText = ContractText[0];

    // A loaded element takes the looks of the designed one.
    auto* combo = new QComboBox(Picture2);
    combo->setObjectName(QStringLiteral("ContractCombo") + suffix);
    combo->setFont(templateCombo->font());
    combo->view()->setStyleSheet(templateCombo->view()->styleSheet());
    KeepListFitToEntries(combo);
    for (int k = 0; k < templateCombo->count(); ++k)
        combo->addItem(templateCombo->itemText(k), templateCombo->itemData(k));
    FoxText* text = NewTextBox(Picture2, QStringLiteral("ContractText") + suffix);
    text->setFont(templateText->Font());
    text->setMouseMoveColor(templateText->MouseMoveColor());
    text->setMouseInColor(templateText->MouseInColor());
    text->setMouseOutColor(templateText->MouseOutColor());
    text->setBorderColor(templateText->BorderColor());
    auto* del = new VsNetBut(Picture2);
    del->setObjectName(QStringLiteral("ContractDel") + suffix);
    del->setButtonPicture(ContractDel[0]->ButtonPicture());
    del->setEdgeColor(ContractDel[0]->EdgeColor());
    del->setBackColor(ContractDel[0]->BackColor());
    del->setCaptionOffsetLeft(HiddenCaptionOffset);
    auto* command = new QPushButton(ContractCommand[0]->text(), Picture2);
    command->setObjectName(QStringLiteral("ContractCommand") + suffix);
    command->setFont(ContractCommand[0]->font());
    command->setAutoDefault(false);

    ContractCombo.push_back(combo);
    ContractText.push_back(text);
    ContractDel.push_back(del);
    ContractCommand.push_back(command);
    m_topTwips.push_back(FirstTop);

    connect(combo, &QComboBox::currentIndexChanged, this, [this, n] { ContractCombo_Click(n); });
    connect(del, &VsNetBut::Click, this, [this, n] { ContractDel_Click(n); });
    connect(command, &QPushButton::clicked, this, [this, n] { ContractCommand_Click(n); });
    combo->show();
    text->show();
    del->show();
    return n;
}

void ContractPanel::setUpAction(int index, const QString& buttonName)
{
    QPushButton* command = ContractCommand[size_t(index)];
    if (HasActionButton(buttonName)) {
        command->setText(buttonName);
        command->show();
    } else {
        command->hide();
    }
}

void ContractPanel::LoadContracts(qint32 ownerId, qint32 companyId)
{
    ContractBusy = true;
    const QList<StoredContract> stored =
        m_owner == Owner::Client ? LoadClientContracts(ownerId, companyId) : LoadCompanyContracts(ownerId);
    const int step = RowHeight() + RowGap;
    for (const StoredContract& entry : stored) {
        const int n = loadRow();
        placeRow(0, step * n + FirstTop);
        placeRow(n, step * (n - 1) + FirstTop);
        QComboBox* combo = ContractCombo[size_t(n)];
        combo->setCurrentIndex(combo->findData(entry.kindId));
        ContractText[size_t(n)]->setText(entry.data);
        ContractDel[size_t(n)]->setCaption(QString::number(entry.contractId));
        setUpAction(n, entry.buttonName);
        // The company's entries are changed in the company dialog only.
        if (m_owner == Owner::Client && entry.isCompany) {
            combo->setEnabled(false);
            ContractText[size_t(n)]->setEnabled(false);
            ContractDel[size_t(n)]->hide();
        }
    }
    ArrangeRows();
    ContractBusy = false;
}

void ContractPanel::ArrangeRows()
{
    const int panelTwips = height() * TwipsPerPixel;
    const int innerTwips = m_topTwips[0] + RowHeight() + FirstTop;
    Picture2->resize(Picture2->width(), TwipsToPixels(innerTwips));
    if (innerTwips >= panelTwips) {
        VS1->setEnabled(true);
        VS1->setMaximum((innerTwips - panelTwips) / ScrollStep);
        VS1->setSingleStep((RowHeight() + RowGap) / ScrollStep);
        VS1->setPageStep((RowHeight() + RowGap) / ScrollStep);
    } else {
        // Nothing to scroll: the rows come back into view from wherever they were scrolled.
        VS1->setValue(0);
        VS1->setMaximum(0);
        VS1->setEnabled(false);
        Picture2->move(0, 0);
    }
}

void ContractPanel::ResetRows()
{
    VS1->setValue(0);
    VS1->setEnabled(false);
    Picture2->move(0, 0);
    for (int i = ContractCount; i >= 1; --i) {
        const size_t k = size_t(i);
        for (QWidget* w :
             {static_cast<QWidget*>(ContractCombo[k]), static_cast<QWidget*>(ContractText[k]),
              static_cast<QWidget*>(ContractDel[k]), static_cast<QWidget*>(ContractCommand[k])}) {
            w->hide();
            w->deleteLater();
        }
    }
    ContractCombo.resize(1);
    ContractText.resize(1);
    ContractDel.resize(1);
    ContractCommand.resize(1);
    m_topTwips.resize(1);
    ContractCount = 0;
    placeRow(0, FirstTop);
}

bool ContractPanel::rowShown(int index) const
{
    return !ContractCombo[size_t(index)]->isHidden();
}

QList<ContractEntry> ContractPanel::Entries() const
{
    QList<ContractEntry> entries;
    for (int i = 1; i <= ContractCount; ++i) {
        const size_t k = size_t(i);
        const QComboBox* combo = ContractCombo[k];
        entries.append(ContractEntry{ContractDel[k]->Caption(), ItemData(combo, combo->currentIndex()),
                                     combo->currentText(), ContractText[k]->Text(), !rowShown(i),
                                     !combo->isEnabledTo(Picture2)});
    }
    return entries;
}

void ContractPanel::SetEntryText(int index, const QString& text)
{
    if (ContractText[size_t(index)]->Text() != text)
        ContractText[size_t(index)]->setText(text);
}

void ContractPanel::AddEntryRow()
{
    ContractBusy = true;
    FoxText* entry = ContractText[0];
    const QString text = TrimText(entry->Text());
    entry->setText(text);
    if (text.isEmpty()) {
        ContractBusy = false;
        return;
    }
    const int n = loadRow();
    placeRow(n, m_topTwips[0]);
    ContractDel[size_t(n)]->setCaption(QStringLiteral("0"));
    QComboBox* kinds = ContractCombo[0];
    setUpAction(n, ContractButtonName(ItemData(kinds, kinds->currentIndex())));
    ContractText[size_t(n)]->setText(text);
    ContractCombo[size_t(n)]->setCurrentIndex(kinds->currentIndex());

    placeRow(0, m_topTwips[0] + RowHeight() + RowGap);
    kinds->setCurrentIndex(kinds->count() > 0 ? 0 : -1);
    entry->setText(QString());
    ArrangeRows();
    if (VS1->isEnabled())
        VS1->setValue(VS1->maximum());
    ContractBusy = false;
}

void ContractPanel::ContractCombo_Click(int Index)
{
    if (ContractBusy || Index == 0)
        return;
    QComboBox* combo = ContractCombo[size_t(Index)];
    setUpAction(Index, ContractButtonName(ItemData(combo, combo->currentIndex())));
}

void ContractPanel::ContractDel_Click(int Index)
{
    const size_t k = size_t(Index);
    ContractCombo[k]->hide();
    ContractText[k]->hide();
    ContractDel[k]->hide();
    ContractCommand[k]->hide();
    const int step = RowHeight() + RowGap;
    for (int i = Index + 1; i <= ContractCount; ++i)
        placeRow(i, m_topTwips[size_t(i)] - step);
    placeRow(0, m_topTwips[0] - step);
    ArrangeRows();
}

void ContractPanel::ContractCommand_Click(int Index)
{
    OpenLink(LinkKindOfCaption(ContractCommand[size_t(Index)]->text()), ContractText[size_t(Index)]->Text());
}

void ContractPanel::VS1_Change()
{
    if (VS1->isEnabled())
        Picture2->move(0, -TwipsToPixels(ScrollStep * VS1->value()));
}

bool ContractPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ContractText[0]->edit() && event->type() == QEvent::FocusOut) {
        // Only a move of the focus inside the window counts, not another window coming up.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            AddEntryRow();
    }
    return QWidget::eventFilter(watched, event);
}

void ContractPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int barWidth = VS1->sizeHint().width();
    const int panelWidth = width() * TwipsPerPixel;
    const int panelHeight = height() * TwipsPerPixel;
    VS1->setGeometry(TwipsToPixels(panelWidth - ScrollBarRightGap) - barWidth, 0, barWidth,
                     TwipsToPixels(panelHeight - ScrollBarHeightCut));
    Picture2->resize(VS1->x(), Picture2->height());
    ArrangeRows();
}
