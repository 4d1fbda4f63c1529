#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "controls/cityselect.h"
#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/vsnetbut.h"
#include "core/session.h"
#include "controls/skincolors.h"
#include "platform/grid.h"
#include "core/skins.h"
#include "tests/support/fixtures.h"

namespace {

// A window with one control of each kind, some of them inside a frame.
class SkinColorsTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        InitSkinTable();
        CurSkin = Skins[5];
        auto* frame = new QFrame(&m_window);
        text = new FoxText(frame);
        textMu = new FoxTextMu(&m_window);
        grid = new Grid(frame);
        grid->setCols(3);
        grid->AddItem(QStringLiteral("1\t甲"));
        grid->AddItem(QStringLiteral("2\t乙"));
        combo = new QComboBox(&m_window);
        list = new QListWidget(&m_window);
        label = new QLabel(QStringLiteral("标签"), frame);
        label->setObjectName(QStringLiteral("Label1"));
        picture = new QLabel(&m_window);
        picture->setObjectName(QStringLiteral("nOcHaNgE"));
        QPalette p = picture->palette();
        p.setColor(QPalette::Window, Qt::red);
        picture->setPalette(p);
        picker = new CitySelect(&m_window);
        button = new VsNetBut(frame);
    }

    void TearDown() override
    {
        CurSkin = SkinInfo();
        AppTest::TearDown();
    }

    QWidget m_window;
    FoxText* text = nullptr;
    FoxTextMu* textMu = nullptr;
    Grid* grid = nullptr;
    QComboBox* combo = nullptr;
    QListWidget* list = nullptr;
    QLabel* label = nullptr;
    QLabel* picture = nullptr;
    CitySelect* picker = nullptr;
    VsNetBut* button = nullptr;
};

} // namespace

TEST_F(SkinColorsTest, ControlsTakeTheSkinColours)
{
    ApplySkinToForm(&m_window);
    for (FoxTextBase* box : {static_cast<FoxTextBase*>(text), static_cast<FoxTextBase*>(textMu)}) {
        EXPECT_EQ(box->MouseMoveColor(), CurSkin.MouseMoveColor);
        EXPECT_EQ(box->MouseInColor(), CurSkin.MouseInColor);
        EXPECT_EQ(box->MouseOutColor(), CurSkin.MouseOutColor);
        EXPECT_EQ(box->BorderColor(), CurSkin.BorderColor);
    }
    EXPECT_EQ(label->palette().color(QPalette::Window), OleToQColor(CurSkin.BackColor));
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(picker->BackColor(), CurSkin.BackColor);
    EXPECT_EQ(button->EdgeColor(), CurSkin.BorderColor);
    EXPECT_EQ(button->BackColor(), CurSkin.BackColor);
    EXPECT_EQ(grid->BackColorBkg(), OleToQColor(CurSkin.BackColor));
}

TEST_F(SkinColorsTest, NoChangeInAnyCaseKeepsItsColour)
{
    ApplySkinToForm(&m_window);
    EXPECT_EQ(picture->palette().color(QPalette::Window), QColor(Qt::red));
    picker->setObjectName(QStringLiteral("NoChange"));
    CurSkin = Skins[1];
    ApplySkinToForm(&m_window);
    EXPECT_EQ(picker->BackColor(), Skins[5].BackColor);
    EXPECT_EQ(label->palette().color(QPalette::Window), OleToQColor(Skins[1].BackColor));
}

TEST_F(SkinColorsTest, PartsOfTheProgramsControlsAreTheirOwn)
{
    ApplySkinToForm(&m_window);
    // The picker's labels and lists are not the window's controls.
    EXPECT_FALSE(picker->Label1->autoFillBackground());
    EXPECT_NE(picker->Combo1->font().pointSize(), UserFontSize);
}

TEST_F(SkinColorsTest, FontSizesAndTextBoxHeights)
{
    struct Case
    {
        qint16 size;
        qint16 height;
        int boxHeight;
        int rowHeight;
    };
    for (const Case& c :
         {Case{9, 330, 330, 24}, Case{11, 330, 340, 28}, Case{13, 330, 380, 32}, Case{14, 360, 400, 34}}) {
        UserFontSize = c.size;
        FoxTextHeight = c.height;
        ApplySkinToForm(&m_window);
        EXPECT_EQ(text->Height(), c.boxHeight) << c.size;
        EXPECT_EQ(text->Text1()->font().pointSize(), c.size);
        EXPECT_EQ(textMu->Text1()->font().pointSize(), c.size);
        EXPECT_EQ(combo->font().pointSize(), c.size);
        EXPECT_EQ(list->font().pointSize(), c.size);
        EXPECT_EQ(grid->font().pointSize(), c.size);
        EXPECT_EQ(grid->DefaultRowHeight(), c.rowHeight);
        EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), c.rowHeight);
        EXPECT_EQ(GridRowHeight(c.size), c.rowHeight);
    }
}

TEST_F(SkinColorsTest, MultiLineBoxKeepsItsHeight)
{
    textMu->setHeight(1500);
    UserFontSize = 9;
    FoxTextHeight = 330;
    ApplySkinToForm(&m_window);
    EXPECT_EQ(textMu->Height(), 1500);
}

TEST_F(SkinColorsTest, EverySecondGridRowIsLightGreyInEverySkin)
{
    for (int id = 1; id <= 9; ++id) {
        CurSkin = Skins[id];
        ApplySkinToForm(&m_window);
        EXPECT_EQ(grid->BackColor2(), QColor(0xF2, 0xF2, 0xF2));
    }
}

// What the user sees under the skin's own style sheet: white first row, grey second row, and the
// skin's back colour below the rows.
TEST_F(SkinColorsTest, GridShowsSkinColoursOnScreen)
{
    const QString sheetPath = QStringLiteral(DEZAROD_SOURCE_DIR "/Skin/") + CurSkin.FileName;
    QFile sheet(sheetPath);
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly)) << sheetPath.toStdString();
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    ApplySkinToForm(&m_window);
    grid->setColumnWidth(0, 40);
    grid->resize(300, 200);
    const QImage image = grid->grab().toImage();
    qApp->setStyleSheet(QString());

    const int x = grid->viewport()->x() + 20;
    const int y0 = grid->viewport()->y();
    const int rowHeight = grid->DefaultRowHeight();
    EXPECT_EQ(QColor(image.pixel(x, y0 + rowHeight / 2)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(x, y0 + rowHeight + rowHeight / 2)), QColor(0xF2, 0xF2, 0xF2));
    EXPECT_EQ(QColor(image.pixel(x, y0 + 3 * rowHeight)), OleToQColor(CurSkin.BackColor));
}

TEST_F(SkinColorsTest, ChildWindowsAreLeftToTheirOwnLoad)
{
    auto* area = new QMdiArea(&m_window);
    auto* child = new QWidget;
    auto* childLabel = new QLabel(QStringLiteral("子窗口"), child);
    area->addSubWindow(child);
    ApplySkinToForm(&m_window);
    EXPECT_FALSE(childLabel->autoFillBackground());
}

TEST_F(SkinColorsTest, WithoutASkinOnlyTheFontSizesApply)
{
    CurSkin = SkinInfo();
    UserFontSize = 14;
    ApplySkinToForm(&m_window);
    EXPECT_FALSE(label->autoFillBackground());
    EXPECT_EQ(text->BorderColor(), FoxTextBase::DefaultBorderColor);
    EXPECT_EQ(combo->font().pointSize(), 14);
}

TEST_F(SkinColorsTest, LabelShowsTheSkinColourUnderTheSkinsStyleSheet)
{
    QFile sheet(QStringLiteral(DEZAROD_SOURCE_DIR "/Skin/FuGuMuWen.she"));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
    ApplySkinToForm(&m_window);
    label->resize(40, 20);
    label->setText(QString());
    const QImage image = label->grab().toImage();
    qApp->setStyleSheet(QString());
    EXPECT_EQ(QColor(image.pixel(20, 10)), OleToQColor(CurSkin.BackColor));
}
