#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include "platform/grid.h"
#include "tests/support/fixtures.h"
#include "tests/support/pdftext.h"

namespace {

using GridTest = AppTest;

// A list as the windows set one up: hidden key column 1, a name and a number column.
void setUpList(Grid& grid)
{
    grid.setCols(4);
    grid.Column(0).setWidth(30);
    grid.Column(1).setWidth(0);
    grid.Column(2).setWidth(80);
    grid.Column(3).setWidth(60);
    grid.Cell(0, 1).setText(QStringLiteral("ID"));
    grid.Cell(0, 2).setText(QStringLiteral("姓 名"));
    grid.Cell(0, 3).setText(QStringLiteral("数量"));
    grid.setAllowUserSort(true);
    grid.resize(400, 300);
}

QPoint cellCentre(const Grid& grid, int row, int col)
{
    return grid.visualRect(grid.model()->index(row - 1, col - 1)).center();
}

} // namespace

TEST_F(GridTest, RowsFromTabTextAndTheirCells)
{
    Grid grid;
    setUpList(grid);
    EXPECT_EQ(grid.Rows(), 1);
    grid.AddItem(QStringLiteral("7\t张三\t12\tsurplus"));
    grid.AddItem(QStringLiteral("8\t李四"));
    grid.AddItem(QString());
    ASSERT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cell(1, 1).Text(), QStringLiteral("7"));
    EXPECT_EQ(grid.Cell(1, 3).Text(), QStringLiteral("12"));
    EXPECT_EQ(grid.Cell(2, 3).Text(), QString());
    EXPECT_EQ(grid.Cell(0, 2).Text(), QStringLiteral("姓 名"));
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("姓 名"));
    EXPECT_EQ(grid.Cell(9, 9).Text(), QString()); // outside reads as empty

    grid.RemoveItem(1);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.Cell(1, 2).Text(), QStringLiteral("李四"));
    grid.setCols(3);
    EXPECT_EQ(grid.Cell(1, 3).Text(), QString());
    EXPECT_TRUE(grid.isColumnHidden(0)); // column 1 has width 0
    EXPECT_EQ(grid.columnWidth(1), 80);
    grid.setRows(1);
    EXPECT_EQ(grid.model()->rowCount(), 0);
    EXPECT_EQ(grid.ActiveCell().Row(), 0);
}

TEST_F(GridTest, FillingManyRowsIsOneResetAndKeepsTheLayout)
{
    Grid grid;
    setUpList(grid);
    grid.setRowHeight(0, 30);
    QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(grid.model(), &QAbstractItemModel::rowsInserted);
    grid.setAutoRedraw(false);
    grid.setRows(1);
    for (int i = 1; i <= 100000; ++i)
        grid.AddItem(QString::number(i) + QLatin1Char('\t') + QStringLiteral("客户") + QString::number(i));
    grid.setAutoRedraw(true);
    grid.Refresh();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(inserts.count(), 0);
    EXPECT_EQ(grid.model()->rowCount(), 100000);
    EXPECT_EQ(grid.Cell(100000, 2).Text(), QStringLiteral("客户100000"));
    // Widths and heights survive the reset.
    EXPECT_TRUE(grid.isColumnHidden(0));
    EXPECT_EQ(grid.columnWidth(1), 80);
    EXPECT_EQ(grid.horizontalHeader()->height(), 30);
    EXPECT_EQ(grid.verticalHeader()->width(), 30);

    // With redrawing on, one row is one insertion.
    grid.AddItem(QStringLiteral("0\t新"));
    EXPECT_EQ(inserts.count(), 1);
    EXPECT_EQ(resets.count(), 1);
}

// Rows appended from cell texts keep each text as it stands (a TAB is text, UTF-8 is decoded),
// and every text stays right through replacements, removals, column changes and sorts.
TEST_F(GridTest, RowsFromCellTextsKeepTheirTextsThroughEdits)
{
    Grid grid;
    setUpList(grid);
    QSignalSpy inserts(grid.model(), &QAbstractItemModel::rowsInserted);
    const QString tabbed = QStringLiteral("张\t三");
    grid.AddRow({QStringLiteral("3"), tabbed, QStringLiteral("12"), QStringLiteral("surplus")});
    grid.AddRow({"1", "李四"});
    grid.AddRow({QStringView(u"2"), QString(), QLatin1String("9")});
    EXPECT_EQ(inserts.count(), 3);
    ASSERT_EQ(grid.Rows(), 4);
    EXPECT_EQ(grid.Cell(1, 2).Text(), tabbed);
    EXPECT_EQ(grid.Cell(2, 2).Text(), QStringLiteral("李四"));
    EXPECT_EQ(grid.Cell(2, 3).Text(), QString());
    EXPECT_EQ(grid.Cell(3, 3).Text(), QStringLiteral("9"));
    EXPECT_EQ(grid.Cell(0, 2).Text(), QStringLiteral("姓 名"));

    // Replaced texts leave room behind that is given back; a cell may take another cell's text.
    for (int i = 0; i < 5000; ++i)
        grid.Cell(2, 3).setText(QString::number(i));
    const QString longText(200000, QLatin1Char('x'));
    grid.Cell(3, 2).setText(longText);
    grid.gridModel()->setText(3, 2, grid.gridModel()->textView(3, 2)); // the buffer grows meanwhile
    EXPECT_EQ(grid.Cell(3, 2).Text(), longText);
    grid.gridModel()->setText(3, 2, grid.gridModel()->textView(1, 2));
    EXPECT_EQ(grid.Cell(2, 3).Text(), QStringLiteral("4999"));
    EXPECT_EQ(grid.Cell(3, 2).Text(), tabbed);
    EXPECT_EQ(grid.Cell(0, 3).Text(), QStringLiteral("数量"));

    grid.SortByColumn(3, Qt::AscendingOrder); // 9, 12, 4999
    EXPECT_EQ(grid.Cell(1, 1).Text() + grid.Cell(2, 1).Text() + grid.Cell(3, 1).Text(),
              QStringLiteral("231"));
    EXPECT_EQ(grid.Cell(2, 2).Text(), tabbed);
    grid.RemoveItem(1);
    grid.setCols(3);
    grid.setCols(4);
    EXPECT_EQ(grid.Rows(), 3);
    EXPECT_EQ(grid.Cell(1, 1).Text() + grid.Cell(1, 2).Text() + grid.Cell(1, 3).Text(),
              QStringLiteral("3") + tabbed);
    EXPECT_EQ(grid.Cell(2, 2).Text(), QStringLiteral("李四"));
    EXPECT_EQ(grid.Cell(0, 2).Text(), QStringLiteral("姓 名"));
    EXPECT_EQ(grid.Cell(0, 3).Text(), QString());
}

// A caption click sorts the rows themselves; the selected record stays selected, so an action
// reading column 1 of the active row reads the same record.
TEST_F(GridTest, HeaderClickSortsTheRowsThemselves)
{
    Grid grid;
    setUpList(grid);
    for (const char* row : {"1\t乙\t10", "2\t甲\t9", "3\t丙\t100"})
        grid.AddItem(QString::fromUtf8(row));
    grid.show();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 2, 2));
    ASSERT_EQ(grid.ActiveCell().Row(), 2);

    QStringList seen;
    QObject::connect(&grid, &Grid::BeforeUserSort, [&](int col) {
        seen << QStringLiteral("before %1 %2").arg(col).arg(grid.Cell(1, 1).Text());
    });
    QObject::connect(&grid, &Grid::AfterUserSort, [&](int col) {
        seen << QStringLiteral("after %1 %2").arg(col).arg(grid.Cell(1, 1).Text());
    });
    const QHeaderView* header = grid.horizontalHeader();
    const auto clickCaption = [&](int col) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(col - 1) + 5, header->height() / 2));
    };
    // The arrow shows only once the user has sorted.
    EXPECT_FALSE(header->isSortIndicatorShown());
    clickCaption(3); // numbers by value: 9, 10, 100
    EXPECT_TRUE(header->isSortIndicatorShown());
    EXPECT_EQ(seen, (QStringList{QStringLiteral("before 3 1"), QStringLiteral("after 3 2")}));
    EXPECT_EQ(grid.Cell(1, 3).Text(), QStringLiteral("9"));
    EXPECT_EQ(grid.Cell(3, 3).Text(), QStringLiteral("100"));
    EXPECT_EQ(grid.ActiveCell().Row(), 1);
    EXPECT_EQ(grid.Cell(grid.ActiveCell().Row(), 1).Text(), QStringLiteral("2"));

    clickCaption(3); // the same caption again reverses
    EXPECT_EQ(grid.Cell(1, 3).Text(), QStringLiteral("100"));
    EXPECT_EQ(grid.Cell(grid.ActiveCell().Row(), 1).Text(), QStringLiteral("2"));

    // Without AllowUserSort nothing moves and nothing is raised.
    grid.setAllowUserSort(false);
    seen.clear();
    clickCaption(2);
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_EQ(grid.Cell(1, 3).Text(), QStringLiteral("100"));
}

TEST_F(GridTest, ClicksAndDoubleClicksAreRaised)
{
    Grid grid;
    setUpList(grid);
    grid.AddItem(QStringLiteral("1\t甲\t1"));
    grid.show();
    QSignalSpy clicks(&grid, &Grid::Click);
    QSignalSpy doubles(&grid, &Grid::DblClick);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 2));
    EXPECT_EQ(clicks.count(), 1);
    // Keyboard moves are no clicks.
    QTest::keyClick(grid.viewport(), Qt::Key_Down);
    EXPECT_EQ(clicks.count(), 1);
    // A double click below the rows still counts.
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, QPoint(20, grid.viewport()->height() - 5));
    EXPECT_EQ(doubles.count(), 1);
    grid.setActiveCell(0);
    EXPECT_EQ(grid.ActiveCell().Row(), 0);
    grid.setActiveCell(1);
    EXPECT_EQ(grid.ActiveCell().Row(), 1);
}

TEST_F(GridTest, StylesBordersAndMerges)
{
    Grid grid;
    setUpList(grid);
    grid.setRows(4);
    grid.Column(3).setAlignment(14);
    grid.Cell(1, 2).setForeColor(QColor(Qt::red));
    grid.Range(2, 2, 2, 3).Merge();
    const QModelIndex cell = grid.model()->index(0, 2);
    EXPECT_EQ(grid.model()->data(cell, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(grid.model()->data(grid.model()->index(0, 1), Qt::ForegroundRole).value<QColor>(),
              QColor(Qt::red));
    EXPECT_EQ(grid.columnSpan(1, 1), 2);
    EXPECT_EQ(GridModel::alignmentOf(10), Qt::AlignCenter);
    EXPECT_EQ(GridModel::alignmentOf(5), Qt::AlignLeft | Qt::AlignTop);

    // The block's left line lies on the first column that is shown (column 1 is hidden).
    grid.Range(0, 1, 3, 3).setBorders(0, 2);
    grid.Range(0, 1, 3, 3).setBorders(4, 1);
    EXPECT_EQ(grid.gridModel()->edges(1, 2).left, 2);
    EXPECT_EQ(grid.gridModel()->edges(1, 2).top, 1);
    EXPECT_EQ(grid.gridModel()->edges(0, 2).top, 0);
    EXPECT_EQ(grid.Range(0, 1, 3, 3).Borders(0), 2);
    grid.Range(0, 1, 3, 3).setBorders(0, 0);
    grid.Range(0, 1, 3, 3).setBorders(4, 0);
    EXPECT_FALSE(grid.gridModel()->hasBorders());

    // On screen a line between two cells shows once, and a merged cell ends with the block's edge:
    // thick outer edges, thin inner lines.
    for (int edge = 0; edge <= 3; ++edge)
        grid.Range(1, 2, 3, 3).setBorders(edge, 2);
    grid.Range(1, 2, 3, 3).setBorders(4, 1);
    grid.Range(1, 2, 3, 3).setBorders(5, 1);
    grid.show();
    const QImage shot = grid.viewport()->grab().toImage();
    // The widths of the dark runs along a line of the picture.
    const auto runs = [&shot](QPoint from, QPoint step, int count) {
        QList<int> widths;
        bool inRun = false;
        for (QPoint p = from; count-- > 0; p += step) {
            const bool dark = qGray(shot.pixel(p)) < 100;
            if (dark && !inRun)
                widths << 0;
            if (dark)
                ++widths.last();
            inRun = dark;
        }
        return widths;
    };
    const QRect row1 = grid.visualRect(grid.model()->index(0, 1));
    const QRect merged = grid.visualRect(grid.model()->index(1, 1));
    const int across = grid.visualRect(grid.model()->index(0, 2)).right() + 4;
    EXPECT_EQ(runs({0, row1.center().y()}, {1, 0}, across), (QList<int>{2, 1, 2}));
    EXPECT_EQ(runs({0, merged.center().y()}, {1, 0}, across), (QList<int>{2, 2}));
    const int down = grid.visualRect(grid.model()->index(2, 1)).bottom() + 4;
    EXPECT_EQ(runs({row1.center().x(), 0}, {0, 1}, down), (QList<int>{2, 1, 1, 2}));
}

TEST_F(GridTest, ChartLiesOverItsCellAndPrintsThere)
{
    Grid grid;
    grid.setCols(3);
    grid.setRows(3);
    grid.Column(1).setWidth(200);
    grid.setRowHeight(1, 120);
    grid.resize(400, 300);
    auto* chart = new QLabel(QStringLiteral("图表内容"));
    grid.AddChart(1, 1, chart);
    EXPECT_EQ(grid.Chart(1, 1), chart);
    EXPECT_EQ(chart->parentWidget(), grid.viewport());
    EXPECT_EQ(chart->geometry(), grid.visualRect(grid.model()->index(0, 0)));
    grid.Column(1).setWidth(300);
    EXPECT_EQ(chart->geometry(), grid.visualRect(grid.model()->index(0, 0)));
    EXPECT_GT(chart->width(), 250);

    // The chart prints as one picture.
    const QString pdf = pathOf(QStringLiteral("chart.pdf"));
    m_prompts.setPreviewPdf(pdf);
    grid.PrintPreview();
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    ASSERT_TRUE(images.waitForFinished());
    const QStringList lines = QString::fromUtf8(images.readAllStandardOutput()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^ +1 +\\d+ +image +900 "))).size(), 1);

    QPointer<QWidget> watch(chart);
    grid.RemoveChart(1, 1);
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(grid.Chart(1, 1), nullptr);
}

TEST_F(GridTest, PagesRepeatTheHeaderAndCarryHeaderAndFooterTexts)
{
    Grid grid;
    setUpList(grid);
    grid.setAutoRedraw(false);
    for (int i = 1; i <= 120; ++i)
        grid.AddItem(QStringLiteral("%1\t客户%2\t%3").arg(i).arg(i).arg(i * 3));
    grid.setAutoRedraw(true);
    grid.PageSetup().Header = QStringLiteral("测试清单");
    grid.PageSetup().Footer = QStringLiteral("打印人甲");
    const QString pdf = pathOf(QStringLiteral("grid.pdf"));
    m_prompts.setPreviewPdf(pdf);
    grid.PrintPreview();
    ASSERT_EQ(m_prompts.last().kind, ScriptedPrompts::Kind::Preview);
    EXPECT_EQ(m_prompts.last().text, QStringLiteral("测试清单"));

    const QStringList pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 2);
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains(QStringLiteral("测试清单")));
        EXPECT_TRUE(page.contains(QStringLiteral("打印人甲")));
        EXPECT_TRUE(NoBlanks(page).contains(QStringLiteral("姓名数量")));
    }
    const QString all = pages.join(QString());
    EXPECT_TRUE(
        all.contains(QRegularExpression(QStringLiteral("^客户1 +3$"), QRegularExpression::MultilineOption)));
    EXPECT_TRUE(all.contains(QStringLiteral("客户120")));
    EXPECT_FALSE(all.contains(QStringLiteral("ID"))); // hidden column
}
