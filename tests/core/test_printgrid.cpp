#include <gtest/gtest.h>

#include <QDate>

#include "core/printgrid.h"
#include "core/session.h"
#include "platform/grid.h"
#include "tests/support/fixtures.h"
#include "tests/support/pdftext.h"

namespace {

// Records the grid as the preview sees it, then paints the pages into the PDF file.
class PreviewWatch : public ScriptedPrompts
{
public:
    Grid* grid = nullptr;
    GridPageSetup setup;
    int outerLeft = -1;
    int innerHorizontal = -1;
    bool redrawDuringPreview = true;

    void printPreview(const QString& title, const std::function<void(QPrinter*)>& paint) override
    {
        setup = grid->PageSetup();
        const auto block = grid->Range(0, 1, grid->Rows() - 1, grid->Cols() - 1);
        outerLeft = block.Borders(0);
        innerHorizontal = block.Borders(4);
        redrawDuringPreview = grid->AutoRedraw();
        ScriptedPrompts::printPreview(title, paint);
    }
};

class PrintGridTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        setPrompts(&m_watch);
        CurUserName = QStringLiteral("张三");
        m_grid.setCols(4);
        m_grid.Column(1).setWidth(0);
        m_grid.Cell(0, 1).setText(QStringLiteral("客户ID"));
        m_grid.Cell(0, 2).setText(QStringLiteral("姓名"));
        m_grid.Cell(0, 3).setText(QStringLiteral("手机"));
        m_watch.grid = &m_grid;
    }

    void TearDown() override
    {
        ResetSession();
        AppTest::TearDown();
    }

    Grid m_grid;
    PreviewWatch m_watch;
};

} // namespace

TEST_F(PrintGridTest, PortraitListWithTitleFooterAndLinesOnlyDuringThePreview)
{
    m_grid.AddItem(QStringLiteral("11\t李四\t13900000000"));
    m_grid.AddItem(QStringLiteral("12\t王五\t"));
    const QString pdf = pathOf(QStringLiteral("list.pdf"));
    m_watch.setPreviewPdf(pdf);
    const QDate today = QDate::currentDate();
    PrintGrid(&m_grid, QStringLiteral("客户清单"), QString(), false, -1, 0);

    ASSERT_EQ(m_watch.records().size(), 1);
    EXPECT_EQ(m_watch.last().kind, ScriptedPrompts::Kind::Preview);
    const GridPageSetup& s = m_watch.setup;
    EXPECT_EQ(s.Orientation, 1);
    EXPECT_DOUBLE_EQ(s.LeftMargin, 0.8);
    EXPECT_DOUBLE_EQ(s.RightMargin, 0.8);
    EXPECT_DOUBLE_EQ(s.HeaderMargin, 1.0);
    EXPECT_DOUBLE_EQ(s.FooterMargin, 1.0);
    EXPECT_DOUBLE_EQ(s.TopMargin, 2.0);
    EXPECT_DOUBLE_EQ(s.BottomMargin, 1.4);
    EXPECT_TRUE(s.RepeatHeaderRow);
    EXPECT_FALSE(s.PrintGridLines);
    EXPECT_TRUE(s.CenterHorizontally);
    EXPECT_EQ(s.Header, QStringLiteral("客户清单"));
    EXPECT_EQ(s.HeaderFontSize, 20);
    EXPECT_EQ(s.HeaderAlignment, 1);
    EXPECT_EQ(s.FooterAlignment, 2);
    // Nothing before "用户：", four blanks before "日期：", a blank between date and time.
    EXPECT_TRUE(s.Footer.startsWith(QStringLiteral("用户：张三    日期：") +
                                    today.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')))
        << s.Footer.toStdString();
    EXPECT_EQ(s.Footer.size(), QStringLiteral("用户：张三    日期：yyyy-mm-dd hh:mm:ss").size());
    EXPECT_EQ(m_watch.outerLeft, 2);
    EXPECT_EQ(m_watch.innerHorizontal, 1);
    EXPECT_FALSE(m_watch.redrawDuringPreview);

    // The printed page carries the title, the rows, the footer; not the hidden key column.
    const QString page = NoBlanks(PdfText(pdf));
    EXPECT_TRUE(page.contains(QStringLiteral("客户清单")));
    EXPECT_TRUE(page.contains(QStringLiteral("李四13900000000")));
    EXPECT_TRUE(
        page.contains(QStringLiteral("用户：张三日期：") + today.toString(QStringLiteral("yyyy-MM-dd"))));
    EXPECT_FALSE(page.contains(QStringLiteral("客户ID")));

    // Afterwards the grid shows no added lines and redraws again.
    EXPECT_FALSE(m_grid.gridModel()->hasBorders());
    EXPECT_TRUE(m_grid.AutoRedraw());
}

TEST_F(PrintGridTest, LandscapeAndAHeaderRowAlone)
{
    const QString pdf = pathOf(QStringLiteral("empty.pdf"));
    m_watch.setPreviewPdf(pdf);
    PrintGrid(&m_grid, QStringLiteral("月度分析"), QStringLiteral("前缀"), true, -1, 0);
    const GridPageSetup& s = m_watch.setup;
    EXPECT_EQ(s.Orientation, 2);
    EXPECT_DOUBLE_EQ(s.LeftMargin, 1.0);
    EXPECT_DOUBLE_EQ(s.HeaderMargin, 0.8);
    EXPECT_DOUBLE_EQ(s.TopMargin, 1.8);
    EXPECT_DOUBLE_EQ(s.BottomMargin, 1.4);
    EXPECT_TRUE(s.Footer.startsWith(QStringLiteral("前缀用户：张三")));
    // The block is the header row alone.
    EXPECT_EQ(m_watch.outerLeft, 2);
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(NoBlanks(pages.first()).contains(QStringLiteral("姓名手机")));
    EXPECT_FALSE(m_grid.gridModel()->hasBorders());
}

// A PDF viewer searches and copies the characters that were printed, whatever the locale picks as
// the system's Chinese font: ideographs that share their glyph with a radical (用 日 生 手 小 女
// 户, 见 车 门 马), digits in Latin text, full-width forms.
TEST_F(PrintGridTest, PrintedListReadsBackAsTyped)
{
    const QStringList rows{QStringLiteral("用户小女\t日期：2024-05-06"),
                           QStringLiteral("生手\tZhang San 13900000000"),
                           QStringLiteral("见车门马户\t１２３／ＡＢ")};
    for (int i = 0; i < rows.size(); ++i)
        m_grid.AddItem(QString::number(i + 1) + QLatin1Char('\t') + rows.at(i));
    const QString pdf = pathOf(QStringLiteral("list.pdf"));
    m_watch.setPreviewPdf(pdf);
    PrintGrid(&m_grid, QStringLiteral("用户清单"), QString(), false, -1, 0);

    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    QStringList lines;
    for (const QString& line : pages.first().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << NoBlanks(line.trimmed());
    }
    ASSERT_GE(lines.size(), 6) << pages.first().toStdString();
    EXPECT_EQ(lines.at(0), QStringLiteral("用户清单"));
    EXPECT_EQ(lines.at(1), QStringLiteral("姓名手机"));
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(lines.at(i + 2), NoBlanks(rows.at(i)).remove(QLatin1Char('\t')));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("用户：张三日期：") +
                                        QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))))
        << lines.last().toStdString();
}

// What the print font lacks (a radical, a compatibility ideograph, typed as such) prints in the
// Simplified Chinese face of the windows' fonts, whatever face the locale would give it.
TEST_F(PrintGridTest, WhatThePrintFontLacksPrintsInTheSimplifiedFace)
{
    m_grid.AddItem(QStringLiteral("1\t\u2F64\uF900\tabc"));
    const QString pdf = pathOf(QStringLiteral("lacking.pdf"));
    m_watch.setPreviewPdf(pdf);
    PrintGrid(&m_grid, QStringLiteral("用户清单"), QString(), false, -1, 0);

    EXPECT_EQ(PdfFonts(pdf).join(QStringLiteral(", ")).toStdString(),
              "DezArodPrint-Regular, NotoSansCJKsc-Regular");
}
