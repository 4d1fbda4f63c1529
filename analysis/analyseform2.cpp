#include "analysis/analyseform2.h"

#include <algorithm>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "analysis/analysisvalues.h"
#include "analysis/monthinput.h"
#include "analysis/monthtrend.h"
#include "controls/foxtext.h"
#include "controls/vsnetbut.h"
#include "core/dblayer.h"
#include "platform/grid.h"
#include "platform/twips.h"

namespace {

constexpr int Top = 8;
constexpr int SecondRow = 44;
constexpr int GridTop = 78;
constexpr int PanelLeft = 8;
constexpr int PanelWidth = 150;
constexpr int GridLeft = PanelLeft + PanelWidth + 8;
constexpr int CommandHeight = 26;

} // namespace

AnalyseForm2::AnalyseForm2(QWidget* parent)
    : AnalysisFrame(QStringLiteral("AnalyseForm2"), QStringLiteral("趋势分析"),
                    {QStringLiteral("数量分析"), QStringLiteral("销售分析"), QStringLiteral("毛利分析")},
                    parent)
{
    Month = new MonthInput(this, QStringLiteral("终止月份："));
    Text3 = Month->Text3;
    FoxDate1 = Month->FoxDate1;
    NextMonth = Month->NextMonth;
    connect(Month, &MonthInput::rerun, this, [this] { AanBut_Click(LastAnalysisIndex); });

    Label2 = new QLabel(QStringLiteral("选择周期："), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (int months = 3; months <= 12; ++months)
        Combo1->addItem(QStringLiteral("%1个月").arg(months), months - 1);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    const QStringList commands = {QStringLiteral("全部"), QStringLiteral("全否"), QStringLiteral("反选")};
    for (int i = 0; i < commands.size(); ++i) {
        auto* button = new QPushButton(commands.at(i), this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        Command1.append(button);
    }
    const QStringList styles = {QStringLiteral("三维"), QStringLiteral("平面")};
    for (int i = 0; i < styles.size(); ++i) {
        auto* option = new QRadioButton(styles.at(i), this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setChecked(i == 0);
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                rerun();
        });
        Option1.append(option);
    }
    connect(Combo1, &QComboBox::currentIndexChanged, this, &AnalyseForm2::rerun);
    connect(List1, &QListWidget::itemSelectionChanged, this, &AnalyseForm2::rerun);
    Form_Load();
}

void AnalyseForm2::Form_Load()
{
    SuppressRefresh = true;
    loadFrame(false);
    FillList(List1, QStringLiteral("select * from Userdata order by UserDataGetOrder, userid"),
             QStringLiteral("username"), QStringLiteral("userid"), QString(), 0, false);
    // The first user is the current item without being chosen: the first run is the company's.
    if (List1->count() > 0)
        List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    layoutNow();
    Month->start();
    Combo1->setCurrentIndex(3);
    SuppressRefresh = false;
    AanBut_Click(0);
}

void AnalyseForm2::rerun()
{
    if (!SuppressRefresh)
        AanBut_Click(LastAnalysisIndex);
}

void AnalyseForm2::Command1_Click(int Index)
{
    SuppressRefresh = true;
    for (int i = 0; i < List1->count(); ++i) {
        QListWidgetItem* item = List1->item(i);
        item->setSelected(Index == 0 || (Index == 2 && !item->isSelected()));
    }
    SuppressRefresh = false;
    AanBut_Click(LastAnalysisIndex);
}

void AnalyseForm2::AanBut_Click(int Index)
{
    const QDate endMonth = Month->firstDay();
    if (!endMonth.isValid())
        return;
    beginRun(Index, 3, 3);
    const MonthTrend::Period period = MonthTrend::PeriodOf(endMonth, Combo1->currentData().toInt() + 1);
    Label1->setText(MonthTrend::Title(period, Index, Combo1->currentText()));
    Grid1->Cell(2, 2).setText(QStringLiteral("月份"));
    Grid1->setRowHeight(2, 0);
    Grid1->Column(2).setWidth(0);
    for (const QString& month : period.months)
        Grid1->Cell(2, addDataColumn()).setText(month);

    QList<MonthTrend::User> users;
    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->isSelected())
            users.append({ItemData(List1, i), List1->item(i)->text()});
    }
    const MonthTrend::Result result = MonthTrend::Run(Conn, Index, period, users);
    // One row per series; only the whole company's row keeps its height.
    Grid1->setRows(3 + int(result.series.size()));
    for (int r = 0; r < result.series.size(); ++r) {
        Grid1->setRowHeight(3 + r, users.isEmpty() ? Grid1->DefaultRowHeight() : 0);
        Grid1->Cell(3 + r, 2).setText(result.series.at(r));
        for (int m = 0; m < period.months.size(); ++m)
            Grid1->Cell(3 + r, 3 + m).setText(PlainNumber(result.values.at(r).at(m)));
    }
    endRun(TrendChart(range(2, 2, Grid1->Rows() - 1, Grid1->Cols() - 1), Option1[0]->isChecked()));
}

void AnalyseForm2::arrange(int windowWidth, int windowHeight)
{
    placeButtons(PanelLeft, Top);
    frameGroup(2, Month->placeSteps(VsNetBut1[0]->geometry().right() + 12, Top));
    Month->placeField(PanelLeft, SecondRow);
    Label1->setGeometry(Text3->x() + Text3->width() + 12, SecondRow,
                        TwipsToPixels(windowWidth - Text3->x() * TwipsPerPixel - Text3->Width() - 360),
                        Text3->height());
    const int gridWidth = TwipsToPixels(windowWidth - 240) - GridLeft;
    const int gridHeight = TwipsToPixels(windowHeight - GridTop * TwipsPerPixel - 640);
    Grid1->setGeometry(GridLeft, GridTop, gridWidth, gridHeight);

    Label2->setGeometry(PanelLeft, GridTop, PanelWidth, 20);
    // The list of months is as high as its font needs (24 at the smallest size); the rows below
    // move down with it.
    Combo1->setGeometry(PanelLeft, GridTop + 22, PanelWidth, std::max(24, Combo1->sizeHint().height()));
    const int optionTop = Combo1->geometry().bottom() + 1 + 4;
    Option1[0]->setGeometry(PanelLeft, optionTop, PanelWidth / 2, 22);
    Option1[1]->setGeometry(PanelLeft + PanelWidth / 2, optionTop, PanelWidth / 2, 22);
    const int listTop = optionTop + 26;
    // The buttons end level with the grid, the list 60 twips above them.
    const int commandTop = Grid1->geometry().bottom() + 1 - CommandHeight;
    const int commandWidth = (PanelWidth - 6) / 3;
    for (int i = 0; i < Command1.size(); ++i)
        Command1[i]->setGeometry(PanelLeft + i * (commandWidth + 3), commandTop, commandWidth, CommandHeight);
    List1->setGeometry(PanelLeft, listTop, PanelWidth, qMax(0, commandTop - TwipsToPixels(60) - listTop));
    frameGroup(3, QRect(PanelLeft, GridTop, PanelWidth, Grid1->geometry().bottom() + 1 - GridTop));
}
