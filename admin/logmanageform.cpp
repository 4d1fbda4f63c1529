#include "admin/logmanageform.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

#include "admin/logsearch.h"
#include "controls/datefield.h"
#include "controls/foxdate.h"
#include "controls/foxtext.h"
#include "controls/listgrid.h"
#include "controls/ownerfilter.h"
#include "controls/skincolors.h"
#include "controls/toolband.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "core/formplacement.h"
#include "core/formsizelimits.h"
#include "core/printgrid.h"
#include "core/session.h"
#include "platform/grid.h"
#include "platform/prompts.h"
#include "platform/twips.h"

namespace {

constexpr int FilterTop = 58;
constexpr int SecondRowTop = 90;
constexpr int RowHeight = 24;
constexpr int GridLeft = 12;
constexpr int GridTop = 124;

const QString UnreadableDay = QStringLiteral("日期输入发生未知错误，请手动输入。");

template <typename T> T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int width)
{
    auto* label = named(new QLabel(caption, parent), name);
    label->setGeometry(left, SecondRowTop, width, RowHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QComboBox* makeCombo(QWidget* parent, const QString& name, int left, int width)
{
    auto* combo = named(new QComboBox(parent), name);
    combo->setGeometry(left, SecondRowTop, width, RowHeight);
    return combo;
}

QStringList comboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

LogManageForm::LogManageForm(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LogManageForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("查看日志"));
    buildBand();
    buildFilters();
    buildGrid();
    Form_Load();
}

void LogManageForm::buildBand()
{
    ToolBand band(this, 8);
    VsNetBut1 = band.addSeparator(QStringLiteral("VsNetBut1"));
    VsNetBut2 = band.addButton(QStringLiteral("VsNetBut2"), QStringLiteral("打印日志"));
    VsNetBut8 = band.addSeparator(QStringLiteral("VsNetBut8"));
    VsNetBut7 = band.addButton(QStringLiteral("VsNetBut7"), QStringLiteral("关 闭"));
    connect(VsNetBut2, &VsNetBut::Click, this,
            [this] { PrintGrid(Grid1, QStringLiteral("日志清单"), QString(), false, -1, 0); });
    connect(VsNetBut7, &VsNetBut::Click, this, &QWidget::close);
}

void LogManageForm::buildFilters()
{
    const struct
    {
        const char* caption;
        int width;
    } windows[] = {{"今日", 56},   {"两日内", 68}, {"三日内", 68},
                   {"七日内", 68}, {"全部", 56},   {"指定日期", 84}};
    int left = GridLeft;
    for (int k = 0; k < 6; ++k) {
        auto* option = named(new QRadioButton(QString::fromUtf8(windows[k].caption), this),
                             QStringLiteral("Option1_%1").arg(k));
        option->setGeometry(left, FilterTop, windows[k].width, RowHeight);
        left += windows[k].width;
        connect(option, &QRadioButton::toggled, this, [this, k](bool on) {
            if (on)
                Option1_Click(k);
        });
        Option1.push_back(option);
    }

    Text3 = NewTextBox(this, QStringLiteral("Text3"));
    Text3->setAlignment(2);
    Text3->setLocked(true);
    Text3->moveTwips(left * TwipsPerPixel, FilterTop * TwipsPerPixel, 100 * TwipsPerPixel, Text3->Height());

    Picture1 = named(new QWidget(this), QStringLiteral("Picture1"));
    Picture1->setGeometry(left + 108, FilterTop, 130, RowHeight);
    const char* kinds[] = {"单日", "范围"};
    for (int k = 0; k < 2; ++k) {
        auto* option = named(new QRadioButton(QString::fromUtf8(kinds[k]), Picture1),
                             QStringLiteral("Option2_%1").arg(k));
        option->setGeometry(64 * k, 0, 60, RowHeight);
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                filterClick();
        });
        Option2.push_back(option);
    }
    Picture1->hide();

    SelUserLabel =
        makeLabel(this, QStringLiteral("SelUserLabel"), QStringLiteral("选择用户："), GridLeft, 66);
    SelUserCombo = makeCombo(this, QStringLiteral("SelUserCombo"), 78, 110);
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("操作方式："), 192, 66);
    Combo1 = makeCombo(this, QStringLiteral("Combo1"), 258, 110);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("操作类型："), 372, 66);
    Combo2 = makeCombo(this, QStringLiteral("Combo2"), 438, 110);
    Command1 = named(new QPushButton(QStringLiteral("缺 省 查 询"), this), QStringLiteral("Command1"));
    Command1->setGeometry(554, SecondRowTop - 2, 84, RowHeight + 4);
    for (QComboBox* combo : {SelUserCombo, Combo1, Combo2})
        connect(combo, &QComboBox::currentIndexChanged, this, &LogManageForm::filterClick);
    connect(Command1, &QPushButton::clicked, this, &LogManageForm::Command1_Click);

    // The calendar drops down under the day box, over the list.
    FoxDate1 = named(new FoxDate(this), QStringLiteral("FoxDate1"));
    FoxDate1->move(Text3->x(), FilterTop + RowHeight);
    FoxDate1->hide();
    m_dateField = new DateField(FoxDate1, this);
    m_dateField->addField(Text3);
    connect(m_dateField, &DateField::picked, this, &LogManageForm::dayPicked);
    connect(m_dateField, &DateField::unreadable, this, &LogManageForm::dayUnreadable);
}

void LogManageForm::buildGrid()
{
    Grid1 = named(new Grid(this), QStringLiteral("Grid1"));
    Grid1->move(GridLeft, GridTop);
    Grid1->setAllowUserSort(true);
    Grid1->lower();
}

void LogManageForm::Form_Load()
{
    SuppressRefresh = true;
    ApplySkinToForm(this);
    SetFormSizeLimits(this, 9825, 7905, 0, 0);
    FillCombo(Combo1, QStringLiteral("select * from LogOperate order by LogOperateid"),
              QStringLiteral("LogOperatename"), QStringLiteral("LogOperateid"), QStringLiteral("所有方式"), 0,
              true);
    FillCombo(Combo2, QStringLiteral("select * from LogClass order by LogClassid"),
              QStringLiteral("LogClassname"), QStringLiteral("LogClassid"), QStringLiteral("所有类型"), 0,
              true);
    FillOwnerFilter(SelUserCombo, SelUserLabel);
    Option1[0]->setChecked(true);
    Option2[0]->setChecked(true);

    // The user column is shown only to users who may see all users.
    SetupGrid(Grid1, {{QString(), 30},
                      {QStringLiteral("操作ID"), 0},
                      {QStringLiteral("操作方式"), 80},
                      {QStringLiteral("操作类型"), 80},
                      {QStringLiteral("对象名称"), 225},
                      {QStringLiteral("日期"), 108},
                      {QStringLiteral("用 户"), CanSeeAllUser ? 80 : 0}});
    // At large font sizes the operation and class columns grow to their longest name, the name
    // column to a company's name of twelve characters, the day column to a whole day.
    FitColumn(Grid1, 2, comboTexts(Combo1));
    FitColumn(Grid1, 3, comboTexts(Combo2));
    FitColumn(Grid1, 4, {LongCompanyName});
    FitColumn(Grid1, 5, {QStringLiteral("2000-12-28")});

    SearchLog();
    SuppressRefresh = false;
}

void LogManageForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Placed once, when first shown as a child window: four tenths of the free height down.
    if (!m_placed && qobject_cast<QMdiSubWindow*>(parentWidget())) {
        m_placed = true;
        PlaceInMainWindow(this, 0.4);
    }
}

void LogManageForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    Grid1->resize(qMax(0, width() - TwipsToPixels(360)), qMax(0, height() - GridTop - TwipsToPixels(640)));
}

void LogManageForm::Option1_Click(int Index)
{
    Picture1->setVisible(Index == 5);
    filterClick();
}

void LogManageForm::filterClick()
{
    if (!SuppressRefresh)
        SearchLog();
}

void LogManageForm::dayPicked()
{
    if (Option1[5]->isChecked())
        Option1_Click(5);
    else
        Option1[5]->setChecked(true);
}

void LogManageForm::dayUnreadable()
{
    ReportUnreadableDate(Text3, UnreadableDay);
}

void LogManageForm::Command1_Click()
{
    SuppressRefresh = true;
    Option1[0]->setChecked(true);
    for (QComboBox* combo : {SelUserCombo, Combo1, Combo2})
        combo->setCurrentIndex(0);
    SuppressRefresh = false;
    Option2[0]->setChecked(true);
    SearchLog();
}

void LogManageForm::SearchLog()
{
    const QDate today = QDate::currentDate();
    LogFilter filter;
    for (int k = 0; k < int(Option1.size()); ++k) {
        if (Option1[k]->isChecked())
            filter.window = LogDateWindow(k);
    }
    if (filter.window == LogDateWindow::Day) {
        // An empty day box means today, and shows it, so that the list's day is in sight; a
        // typed text that is no date is not searched for.
        filter.day = DateField::readDate(Text3->Text(), today);
        if (!filter.day.isValid()) {
            dayUnreadable();
            return;
        }
        if (Text3->Text().trimmed().isEmpty())
            Text3->setText(filter.day.toString(QStringLiteral("yyyy-MM-dd")));
        filter.range = Option2[1]->isChecked();
    }
    filter.userId = ChosenOwner(SelUserCombo);
    if (Combo1->currentIndex() > 0)
        filter.operateId = ItemData(Combo1, Combo1->currentIndex());
    if (Combo2->currentIndex() > 0)
        filter.classId = ItemData(Combo2, Combo2->currentIndex());
    const QList<LogEntry> entries = SearchLogEntries(filter, today);

    const QChar tab(QLatin1Char('\t'));
    Grid1->setAutoRedraw(false);
    Grid1->setRows(1);
    for (const LogEntry& entry : entries) {
        Grid1->AddItem(QString::number(entry.logId) + tab + entry.operateName + tab + entry.className + tab +
                       entry.objectName + tab + entry.day + tab + entry.userName);
    }
    Grid1->setAutoRedraw(true);
    Grid1->Refresh();
}
