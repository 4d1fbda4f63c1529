#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/aboutform.h"
#include "tests/support/fixtures.h"

namespace {

using AboutFormTest = AppTest;

// The layout rule in pixels: 1200, 180 and 540 twips.
void expectLayout(const AboutForm& form)
{
    const QLabel* label = form.Label1;
    const QPushButton* button = form.Command2;
    EXPECT_EQ(form.width(), label->width() + 80);
    EXPECT_LE(std::abs(button->x() * 2 + button->width() - form.width()), 1) << "the button is centred";
    EXPECT_EQ(button->y(), label->y() + label->height() + 12);
    EXPECT_EQ(form.height(), button->y() + button->height() + 36);
}

} // namespace

TEST_F(AboutFormTest, CaptionTextAndLayout)
{
    AboutForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("关于") + applicationTitle());
    EXPECT_EQ(form.Command2->text(), QStringLiteral("确 定"));
    EXPECT_TRUE(AboutForm::aboutText().contains(QLatin1String("\r\n")));
    EXPECT_EQ(form.Label1->text().count(QLatin1Char('\n')),
              AboutForm::aboutText().count(QLatin1String("\r\n")));
    EXPECT_GT(form.Label1->width(), 0);
    expectLayout(form);
}

TEST_F(AboutFormTest, LongerTextMakesTheWindowWiderAndTaller)
{
    AboutForm form;
    const QSize before = form.size();
    form.Label1->setText(form.Label1->text() +
                         QStringLiteral("\n这是一行比原来的任何一行都要长得多的说明文字，用来撑开窗口"));
    form.arrange();
    EXPECT_GT(form.width(), before.width());
    EXPECT_GT(form.height(), before.height());
    expectLayout(form);
}

TEST_F(AboutFormTest, ButtonClosesTheWindow)
{
    AboutForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}
