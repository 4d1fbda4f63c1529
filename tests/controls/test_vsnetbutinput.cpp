#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include "controls/vsnetbut.h"

namespace {

bool waitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200 && !condition(); ++i)
        QTest::qWait(10);
    return condition();
}

// The events a button raised, in order, each with the look it had at that moment ("Click@0").
struct EventLog
{
    explicit EventLog(VsNetBut* button) : m_button(button)
    {
        const auto mouse = [this](const char* name) {
            return [this, name](int& b, int& s, float& x, float& y) {
                add(QStringLiteral("%1 %2 %3 %4 %5").arg(QLatin1String(name)).arg(b).arg(s).arg(x).arg(y));
            };
        };
        QObject::connect(button, &VsNetBut::Click, [this] { add(QStringLiteral("Click")); });
        QObject::connect(button, &VsNetBut::DblClick, [this] { add(QStringLiteral("DblClick")); });
        QObject::connect(button, &VsNetBut::DropDownClick, [this] { add(QStringLiteral("DropDownClick")); });
        QObject::connect(button, &VsNetBut::MouseEnter, [this] { add(QStringLiteral("MouseEnter")); });
        QObject::connect(button, &VsNetBut::MouseExit, [this] { add(QStringLiteral("MouseExit")); });
        QObject::connect(button, &VsNetBut::MouseDown, mouse("MouseDown"));
        QObject::connect(button, &VsNetBut::MouseUp, mouse("MouseUp"));
        QObject::connect(button, &VsNetBut::MouseMove, [this](int& b, int&, float&, float&) {
            add(QStringLiteral("MouseMove %1").arg(b));
        });
        QObject::connect(button, &VsNetBut::KeyDown, [this](int& code, int& shift) {
            add(QStringLiteral("KeyDown %1 %2").arg(code).arg(shift));
            if (code == swallowKey)
                code = 0;
        });
        QObject::connect(button, &VsNetBut::KeyPress,
                         [this](int& ascii) { add(QStringLiteral("KeyPress %1").arg(ascii)); });
        QObject::connect(button, &VsNetBut::KeyUp, [this](int& code, int& shift) {
            add(QStringLiteral("KeyUp %1 %2").arg(code).arg(shift));
        });
    }

    void add(const QString& event)
    {
        entries << event + QStringLiteral("@") + QString::number(m_button->paintState());
    }
    // Without the pointer's comings and goings.
    std::string clicks() const
    {
        QStringList kept;
        for (const QString& e : entries)
            if (!e.startsWith(QLatin1String("MouseMove")) && !e.startsWith(QLatin1String("MouseEnter")) &&
                !e.startsWith(QLatin1String("MouseExit")))
                kept << e;
        return kept.join(QStringLiteral(", ")).toStdString();
    }
    int count(const QString& prefix) const
    {
        int n = 0;
        for (const QString& e : entries)
            n += e.startsWith(prefix) ? 1 : 0;
        return n;
    }

    QStringList entries;
    // KeyDown hands this code back as 0, as a window's handler may.
    int swallowKey = -1;

private:
    VsNetBut* m_button;
};

// A shown, active window: a box, the button, another box.
struct Window
{
    explicit Window(QSize size = QSize(80, 24))
    {
        window.resize(300, 120);
        before = new QLineEdit(&window);
        before->setGeometry(10, 80, 80, 24);
        button = new VsNetBut(&window);
        button->setGeometry(QRect(QPoint(10, 10), size));
        button->setCaption(QStringLiteral("Save(&S)"));
        after = new QLineEdit(&window);
        after->setGeometry(120, 80, 80, 24);
        // The pointer starts away from every window.
        QCursor::setPos(QPoint(-500, -500));
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        log = std::make_unique<EventLog>(button);
    }

    QPoint inWindow(QPoint inButton) const { return button->mapTo(&window, inButton); }
    void hover(QPoint at = QPoint(5, 5)) { QCursor::setPos(button->mapToGlobal(at)); }
    void accessKey() { QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier); }

    QWidget window;
    QLineEdit* before = nullptr;
    VsNetBut* button = nullptr;
    QLineEdit* after = nullptr;
    std::unique_ptr<EventLog> log;
};

std::string list(std::initializer_list<const char*> items)
{
    QStringList out;
    for (const char* item : items)
        out << QString::fromLatin1(item);
    return out.join(QStringLiteral(", ")).toStdString();
}

} // namespace

TEST(VsNetButInput, LeftClickIsDownUpClickWithPressedThenNormalLook)
{
    Window w;
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(w.log->clicks(), list({"MouseDown 1 0 10 10@0", "MouseUp 1 0 10 10@2", "Click@0"}));
    EXPECT_EQ(w.button->paintState(), 0);
}

TEST(VsNetButInput, HoverStartsWithAMoveAndEndsOnceWhenThePointerIsElsewhere)
{
    Window w;
    w.hover();
    ASSERT_TRUE(waitFor([&] { return w.log->count(QStringLiteral("MouseEnter")) == 1; }));
    EXPECT_TRUE(w.log->entries.at(0).startsWith(QLatin1String("MouseMove 0")));
    EXPECT_EQ(w.log->entries.at(1), QStringLiteral("MouseEnter@0"));
    EXPECT_EQ(w.button->paintState(), 1);

    // Still over the button: the poll leaves the look alone.
    QTest::qWait(30);
    EXPECT_EQ(w.log->count(QStringLiteral("MouseExit")), 0);
    EXPECT_EQ(w.button->paintState(), 1);

    // A click while hovering comes back to the hover look.
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w.log->clicks(), list({"MouseDown 1 0 5 5@1", "MouseUp 1 0 5 5@2", "Click@0"}));
    EXPECT_EQ(w.button->paintState(), 1);

    // Over another control of the same window.
    QCursor::setPos(w.after->mapToGlobal(QPoint(5, 5)));
    ASSERT_TRUE(waitFor([&] { return w.log->count(QStringLiteral("MouseExit")) == 1; }));
    EXPECT_EQ(w.button->paintState(), 0);
    QTest::qWait(30);
    EXPECT_EQ(w.log->count(QStringLiteral("MouseExit")), 1);
    EXPECT_EQ(w.log->count(QStringLiteral("MouseEnter")), 1);

    // A disabled button under the pointer keeps its normal look.
    w.button->setEnabled(false);
    w.hover();
    QTest::qWait(50);
    EXPECT_EQ(w.log->count(QStringLiteral("MouseEnter")), 1);
    EXPECT_EQ(w.button->paintState(), 0);
}

TEST(VsNetButInput, RightButtonNeitherPressesNorClicksAndBlocksKeyClicks)
{
    Window w;
    w.button->setHotKeyDynamicEffect(false);
    w.button->setDefault(true);
    w.hover();
    ASSERT_TRUE(waitFor([&] { return w.button->paintState() == 1; }));

    QTest::mousePress(w.button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(w.button->paintState(), 1);
    QTest::mouseRelease(w.button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(w.button->paintState(), 1);
    EXPECT_EQ(w.log->clicks(), list({"MouseDown 2 0 5 5@1", "MouseUp 2 0 5 5@1"}));

    // The last button pressed was the right one: Enter and the access key click nothing.
    w.accessKey();
    QTest::keyClick(w.after, Qt::Key_Return);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 0);

    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 1);
    w.accessKey();
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 2);
    QTest::keyClick(w.after, Qt::Key_Return);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 3);
}

TEST(VsNetButInput, DoubleClickCountsTwiceOrRaisesDblClick)
{
    Window w;
    const QImage normalLook = w.button->grab().toImage();
    w.hover(QPoint(10, 10));
    ASSERT_TRUE(waitFor([&] { return w.button->paintState() == 1; }));
    const QImage hoverLook = w.button->grab().toImage();
    ASSERT_NE(hoverLook, normalLook);
    const QPoint at = w.inWindow(QPoint(10, 10));
    QTest::mouseDClick(w.window.windowHandle(), Qt::LeftButton, {}, at);
    // The second press is no MouseDown; its release clicks no more.
    EXPECT_EQ(w.log->clicks(), list({"MouseDown 1 0 10 10@1", "MouseUp 1 0 10 10@2", "Click@0", "Click@1",
                                     "MouseUp 1 0 10 10@0"}));

    w.log->entries.clear();
    w.button->setEnableDblClick(true);
    QTest::mouseDClick(w.window.windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_EQ(w.log->clicks(), list({"MouseDown 1 0 10 10@0", "MouseUp 1 0 10 10@2", "Click@0", "DblClick@1",
                                     "MouseUp 1 0 10 10@0"}));
    // The hover look stays while the pointer is over the button, and goes when it leaves.
    EXPECT_EQ(w.button->grab().toImage(), hoverLook);
    QTest::qWait(30);
    EXPECT_EQ(w.button->grab().toImage(), hoverLook);
    QCursor::setPos(QPoint(-500, -500));
    ASSERT_TRUE(waitFor([&] { return w.log->count(QStringLiteral("MouseExit")) == 1; }));
    EXPECT_EQ(w.button->grab().toImage(), normalLook);
}

TEST(VsNetButInput, PressedLookFollowsThePointerWhileTheButtonIsHeld)
{
    Window w;
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(w.button->paintState(), 2);
    QTest::mouseMove(w.button, QPoint(-5, 10));
    EXPECT_EQ(w.button->paintState(), 0);
    // The far edge itself still counts as inside.
    QTest::mouseMove(w.button, QPoint(80, 24));
    EXPECT_EQ(w.button->paintState(), 2);
    QTest::mouseMove(w.button, QPoint(81, 10));
    EXPECT_EQ(w.button->paintState(), 0);
    QTest::mouseMove(w.button, QPoint(10, 10));
    EXPECT_EQ(w.button->paintState(), 2);
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(w.button->paintState(), 0);
    EXPECT_EQ(w.log->count(QStringLiteral("MouseUp 1")), 1);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 1);

    // Released away from the button: no click.
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(10, 40));
    EXPECT_EQ(w.log->count(QStringLiteral("MouseUp 1")), 2);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 1);
    EXPECT_EQ(w.button->paintState(), 0);
}

TEST(VsNetButInput, SplitButtonMainPartClicksAndDropDownPartDropsDown)
{
    Window w(QSize(60, 24));
    w.button->setButtonAppearance(VsNetBut::sbUp_Down2003);
    // The drop-down part starts at x = 48; that column still belongs to the main part.
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(48, 10));
    // The release raises the Click; the platform's click that follows raises none.
    EXPECT_EQ(w.log->clicks(), list({"MouseDown 1 0 48 10@0", "MouseUp 1 0 48 10@2", "Click@2"}));
    EXPECT_EQ(w.button->paintState(), 0);

    w.log->entries.clear();
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(49, 10));
    EXPECT_EQ(w.log->clicks(), list({"MouseDown 1 0 49 10@0", "DropDownClick@2"}));
    EXPECT_EQ(w.button->paintState(), 0);

    // A release away from the button is neither part's click.
    w.log->entries.clear();
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(10, 40));
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(55, 10));
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(70, 10));
    EXPECT_EQ(w.log->clicks(), list({"MouseDown 1 0 10 10@0", "MouseUp 1 0 10 40@2", "MouseDown 1 0 55 10@0",
                                     "MouseUp 1 0 70 10@2"}));
}

TEST(VsNetButInput, SplitButtonDoubleClickOnTheDropDownPart)
{
    Window w(QSize(60, 24));
    w.button->setButtonAppearance(VsNetBut::sbUp_Down2003);
    w.hover(QPoint(55, 10));
    ASSERT_TRUE(waitFor([&] { return w.button->paintState() == 1; }));
    QTest::mouseDClick(w.window.windowHandle(), Qt::LeftButton, {}, w.inWindow(QPoint(55, 10)));
    // Each release drops down; the double click itself does not look at the part.
    EXPECT_EQ(w.log->clicks(),
              list({"MouseDown 1 0 55 10@1", "DropDownClick@2", "Click@1", "DropDownClick@0"}));
}

TEST(VsNetButInput, SpaceBarPressesAndClicks)
{
    Window w;
    w.button->setFocus();
    ASSERT_TRUE(w.button->hasFocus());
    QTest::keyPress(w.button, Qt::Key_Space);
    EXPECT_EQ(w.button->paintState(), 2);
    QTest::keyRelease(w.button, Qt::Key_Space);
    EXPECT_EQ(w.log->clicks(), list({"KeyDown 32 0@0", "MouseDown 1 1 1 1@0", "KeyPress 32@2", "KeyUp 32 0@2",
                                     "MouseUp 1 1 1 1@2", "Click@0"}));

    // The window's KeyDown handler turns the space into nothing: no press, no click.
    w.log->entries.clear();
    w.log->swallowKey = 32;
    QTest::keyClick(w.button, Qt::Key_Space);
    EXPECT_EQ(w.log->clicks(), list({"KeyDown 32 0@0", "KeyPress 32@0", "KeyUp 32 0@0"}));
}

TEST(VsNetButInput, SpaceBarOnASplitButtonClicksOnce)
{
    Window w(QSize(60, 24));
    w.button->setButtonAppearance(VsNetBut::sbUp_Down2003);
    w.button->setFocus();
    QTest::keyClick(w.button, Qt::Key_Space);
    EXPECT_EQ(w.log->clicks(), list({"KeyDown 32 0@0", "MouseDown 1 1 1 1@0", "KeyPress 32@2", "KeyUp 32 0@2",
                                     "MouseUp 1 1 1 1@2", "Click@2"}));
}

TEST(VsNetButInput, ArrowKeysMoveTheFocusAfterKeyDown)
{
    Window w;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down}) {
        w.button->setFocus();
        QTest::keyClick(w.button, key);
        EXPECT_TRUE(w.after->hasFocus()) << key;
    }
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up}) {
        w.button->setFocus();
        QTest::keyClick(w.button, key);
        EXPECT_TRUE(w.before->hasFocus()) << key;
    }
    EXPECT_EQ(w.log->entries.at(0), QStringLiteral("KeyDown 39 0@0"));
    EXPECT_EQ(w.log->count(QStringLiteral("KeyDown")), 4);
}

TEST(VsNetButInput, AccessKeyWithoutFlashClicksAtOnce)
{
    Window w;
    w.button->setHotKeyDynamicEffect(false);
    w.accessKey();
    EXPECT_EQ(w.log->clicks(), list({"Click@0"}));
    EXPECT_EQ(w.button->paintState(), 0);

    // A disabled button has no access key.
    w.button->setEnabled(false);
    w.accessKey();
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 1);
}

TEST(VsNetButInput, AccessKeyFlashesThenClicksOnceEvenWhenPressedAgain)
{
    Window w;
    ASSERT_TRUE(w.button->HotKeyDynamicEffect());
    w.accessKey();
    EXPECT_EQ(w.button->paintState(), 1);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 0);
    // Pressed again while it flashes: answered already.
    w.accessKey();
    ASSERT_TRUE(waitFor([&] { return w.log->count(QStringLiteral("Click")) > 0; }));
    EXPECT_EQ(w.log->clicks(), list({"Click@0"}));
    QTest::qWait(200);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 1);
    EXPECT_EQ(w.button->paintState(), 0);

    // Once the flash is over the key works again.
    w.accessKey();
    EXPECT_TRUE(waitFor([&] { return w.log->count(QStringLiteral("Click")) == 2; }));
}

TEST(VsNetButInput, EnterClicksTheDefaultButtonAndEscapeTheCancelButton)
{
    Window w;
    w.button->setHotKeyDynamicEffect(false);
    w.after->setFocus();
    QTest::keyClick(w.after, Qt::Key_Return);
    QTest::keyClick(w.after, Qt::Key_Escape);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 0);

    w.button->setDefault(true);
    QTest::keyClick(w.after, Qt::Key_Return);
    QTest::keyClick(w.after, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 2);
    QTest::keyClick(w.after, Qt::Key_Escape);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 2);

    w.button->setDefault(false);
    w.button->setCancel(true);
    QTest::keyClick(w.after, Qt::Key_Return);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 2);
    QTest::keyClick(w.after, Qt::Key_Escape);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 3);
}

TEST(VsNetButInput, NewCaptionBringsItsAccessKey)
{
    Window w;
    w.button->setHotKeyDynamicEffect(false);
    w.button->setCaption(QStringLiteral("E&xit"));
    w.accessKey();
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 0);
    QTest::keyClick(&w.window, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(w.log->count(QStringLiteral("Click")), 1);
}
