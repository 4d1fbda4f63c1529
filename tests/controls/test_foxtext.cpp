#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/foxtext.h"
#include "controls/foxtextmu.h"
#include "controls/numberfilter.h"
#include "platform/ansicodepage.h"
#include "platform/propertybag.h"

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// A shown, active window holding two boxes, so that focus can move between them.
struct Window
{
    Window()
    {
        window.resize(400, 200);
        box = new FoxText(&window);
        box->moveTwips(300, 300, 2000, 330);
        other = new FoxText(&window);
        other->moveTwips(300, 1200, 2000, 330);
        multi = new FoxTextMu(&window);
        multi->moveTwips(3000, 300, 2000, 1200);
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        // Start with no box focused.
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        box->setOnlyNumber(true);
    }

    QWidget window;
    FoxText* box = nullptr;
    FoxText* other = nullptr;
    FoxTextMu* multi = nullptr;
};

// KeyAscii values as the window's KeyPress handler received them.
struct KeyLog
{
    explicit KeyLog(FoxTextBase* box)
    {
        QObject::connect(box, &FoxTextBase::KeyPress, [this](int& keyAscii) { codes << keyAscii; });
    }
    QList<int> codes;
};

void typeChar(QWidget* field, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
}

void commit(QWidget* field, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

// Moves the pointer over a widget and delivers the move the way the window system would.
void hover(QWidget* target, QPoint at)
{
    const QPoint global = target->mapToGlobal(at);
    QCursor::setPos(global);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(global), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

bool waitFor(const std::function<bool()>& condition)
{
    for (int i = 0; i < 200 && !condition(); ++i)
        QTest::qWait(10);
    return condition();
}

} // namespace

TEST(NumberFilter, AdmitsDigitsControlKeysAndExtras)
{
    for (const char* c : {"0", "5", "9"})
        EXPECT_EQ(FilterNumberKey(AnsiCode(QString::fromLatin1(c)), {}, false, {}),
                  AnsiCode(QString::fromLatin1(c)));
    for (int code : {8, 22, 3, 13})
        EXPECT_EQ(FilterNumberKey(code, {}, false, {}), code) << code;
    // Letters, minus, Ctrl+X, Ctrl+Z, Ctrl+A and a double-byte character are swallowed.
    for (int code : {int('a'), int('A'), int('-'), 24, 26, 1, AnsiCode(u("中")), 10})
        EXPECT_EQ(FilterNumberKey(code, {}, false, {}), 0) << code;
    EXPECT_EQ(FilterNumberKey('-', {}, false, QStringLiteral("-")), '-');
    // Exact, case-sensitive match.
    EXPECT_EQ(FilterNumberKey('X', {}, false, QStringLiteral("x")), 0);
}

TEST(NumberFilter, DecimalPointOnlyWhileTheTextHasNone)
{
    EXPECT_EQ(FilterNumberKey('.', QStringLiteral("12"), true, {}), '.');
    EXPECT_EQ(FilterNumberKey('.', QStringLiteral("1.2"), true, {}), 0);
    EXPECT_EQ(FilterNumberKey('.', QStringLiteral("12"), false, {}), 0);
    // A "." among the extra characters passes every time.
    EXPECT_EQ(FilterNumberKey('.', QStringLiteral("1.2.3"), false, QStringLiteral(".")), '.');
    EXPECT_EQ(FilterNumberKey('.', QStringLiteral("1.2"), true, QStringLiteral(".")), '.');
}

TEST(FoxText, NewBoxHasTheDesignDefaults)
{
    FoxText box;
    EXPECT_EQ(box.Text(), QStringLiteral("Text1"));
    EXPECT_TRUE(box.OnlyNumber());
    EXPECT_FALSE(box.UserDot());
    EXPECT_FALSE(box.SelAll());
    EXPECT_TRUE(box.Enabled());
    EXPECT_FALSE(box.Locked());
    EXPECT_EQ(box.ForeColor(), OleColor(0x80000008));
    EXPECT_EQ(box.MouseMoveColor(), 0x00F3F1D1);
    EXPECT_EQ(box.MouseInColor(), 0x00F3E1CA);
    EXPECT_EQ(box.MouseOutColor(), 0x00F3E1CA);
    EXPECT_EQ(box.BorderColor(), 0x00962D00);
    EXPECT_EQ(box.MaxLength(), 0);
    EXPECT_EQ(box.OtherChar(), QString());
    EXPECT_EQ(box.Text1()->objectName(), QStringLiteral("Text1"));
    EXPECT_FALSE(box.HasFocus());
    EXPECT_EQ(box.hoverPollInterval(), 0);
    const auto* poll = box.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(poll, nullptr);
    EXPECT_FALSE(poll->isActive());

    FoxTextMu multi;
    EXPECT_EQ(multi.Text(), QString());
    EXPECT_TRUE(multi.OnlyNumber());
}

TEST(FoxText, NumericBoxSwallowsOtherKeysButStillReportsThem)
{
    Window w;
    w.box->setText(QString());
    KeyLog log(w.box);
    QTest::keyClicks(w.box->Text1(), QStringLiteral("1a-2"));
    QTest::keyClick(w.box->Text1(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(w.box->Text1(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(w.box->Text1(), Qt::Key_A, Qt::ControlModifier);
    typeChar(w.box->Text1(), u("中"));
    EXPECT_EQ(w.box->Text(), QStringLiteral("12"));
    EXPECT_EQ(log.codes, (QList<int>{'1', 0, 0, '2', 0, 0, 0, 0}));
    QTest::keyClick(w.box->Text1(), Qt::Key_Backspace);
    EXPECT_EQ(w.box->Text(), QStringLiteral("1"));
    EXPECT_EQ(log.codes.last(), 8);
}

TEST(FoxText, FreeTextBoxPassesEveryKey)
{
    Window w;
    w.box->setOnlyNumber(false);
    w.box->setText(QString());
    QTest::keyClicks(w.box->Text1(), QStringLiteral("ab-1"));
    typeChar(w.box->Text1(), u("中"));
    EXPECT_EQ(w.box->Text(), u("ab-1中"));
}

TEST(FoxText, KeyPressHandlerCanSwallowOrReplaceTheKey)
{
    Window w;
    w.box->setOnlyNumber(false);
    w.box->setText(QString());
    QObject::connect(w.box, &FoxTextBase::KeyPress, [](int& keyAscii) {
        if (keyAscii == 'x')
            keyAscii = 0;
        else if (keyAscii == 'a')
            keyAscii = 'A';
    });
    QTest::keyClicks(w.box->Text1(), QStringLiteral("axb"));
    EXPECT_EQ(w.box->Text(), QStringLiteral("Ab"));
}

TEST(FoxText, PasteIsAdmittedAndNotFiltered)
{
    Window w;
    w.box->setText(QStringLiteral("1"));
    w.box->edit()->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("ab-3"));
    QTest::keyClick(w.box->Text1(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.box->Text(), QStringLiteral("1ab-3"));
}

TEST(FoxText, DecimalPointAndExtraCharacters)
{
    Window w;
    w.box->setUserDot(true);
    w.box->setText(QString());
    QTest::keyClicks(w.box->Text1(), QStringLiteral("1.5.2"));
    EXPECT_EQ(w.box->Text(), QStringLiteral("1.52"));

    // A selected "." that the typing would replace still counts as present.
    w.box->edit()->setSelection(1, 1);
    QTest::keyClick(w.box->Text1(), Qt::Key_Period);
    EXPECT_EQ(w.box->Text(), QStringLiteral("1.52"));

    w.box->setUserDot(false);
    w.box->setOtherChar(QStringLiteral(".-"));
    w.box->setText(QString());
    QTest::keyClicks(w.box->Text1(), QStringLiteral("-1.2.3x"));
    EXPECT_EQ(w.box->Text(), QStringLiteral("-1.2.3"));
}

TEST(FoxText, InputMethodTextIsFilteredCharacterByCharacter)
{
    Window w;
    w.box->setText(QString());
    KeyLog log(w.box);
    commit(w.box->Text1(), u("1中2"));
    EXPECT_EQ(w.box->Text(), QStringLiteral("12"));
    EXPECT_EQ(log.codes, (QList<int>{'1', 0, '2'}));

    w.box->setUserDot(true);
    commit(w.box->Text1(), QStringLiteral(".3."));
    EXPECT_EQ(w.box->Text(), QStringLiteral("12.3"));

    w.box->setOnlyNumber(false);
    commit(w.box->Text1(), u("元"));
    EXPECT_EQ(w.box->Text(), u("12.3元"));

    w.multi->setText(QString());
    commit(w.multi->Text1(), u("4五6"));
    EXPECT_EQ(w.multi->Text(), QStringLiteral("46"));
}

TEST(FoxTextMu, NumericMultiLineAdmitsEnterButNoExtras)
{
    Window w;
    w.multi->setText(QString());
    QTest::keyClicks(w.multi->Text1(), QStringLiteral("1."));
    QTest::keyClick(w.multi->Text1(), Qt::Key_Return);
    QTest::keyClicks(w.multi->Text1(), QStringLiteral("2"));
    EXPECT_EQ(w.multi->Text(), QStringLiteral("1\n2"));
}

TEST(FoxTextMu, MaxLengthLimitsTypedText)
{
    Window w;
    w.multi->setOnlyNumber(false);
    w.multi->setText(QString());
    w.multi->setMaxLength(3);
    QTest::keyClicks(w.multi->Text1(), QStringLiteral("abcde"));
    EXPECT_EQ(w.multi->Text(), QStringLiteral("abc"));
}

TEST(FoxText, ChangeFollowsTypingAndTextButNotAnEqualText)
{
    Window w;
    w.box->setOnlyNumber(false);
    QSignalSpy change(w.box, &FoxTextBase::Change);
    w.box->setText(QStringLiteral("a"));
    w.box->setText(QStringLiteral("a"));
    QTest::keyClicks(w.box->Text1(), QStringLiteral("b"));
    EXPECT_EQ(change.count(), 2);
}

TEST(FoxText, FocusColoursAndSelectAll)
{
    Window w;
    w.box->setMouseInColor(0x0000FF00);
    w.box->setMouseOutColor(0x00FF0000);
    w.box->setSelAll(true);
    w.box->setText(QStringLiteral("123"));
    w.box->Text1()->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(w.box->HasFocus());
    EXPECT_EQ(w.box->fieldBackColor(), 0x0000FF00);
    EXPECT_EQ(w.box->edit()->selectedText(), QStringLiteral("123"));

    w.other->setSelAll(false);
    w.other->Text1()->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(w.box->HasFocus());
    EXPECT_EQ(w.box->fieldBackColor(), 0x00FF0000);
    // Without SelAll, reaching a box with Tab selects nothing.
    EXPECT_EQ(w.other->edit()->selectedText(), QString());
}

TEST(FoxText, FrameShowsTheFieldColourAndBorder)
{
    Window w;
    w.box->setMouseOutColor(OleRgb(10, 200, 30));
    w.box->setBorderColor(OleRgb(200, 0, 0));
    w.other->Text1()->setFocus();
    w.box->setHeight(330); // any resize shows the colour at rest
    const QImage image = w.box->grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(10, 200, 30));
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2 + 1).green(), 200);
}

TEST(FoxText, ColourLetsShowAtTheNextChangeButBorderAtOnce)
{
    Window w;
    w.other->Text1()->setFocus();
    const OleColor before = w.box->fieldBackColor();
    w.box->setMouseOutColor(0x00123456);
    EXPECT_EQ(w.box->fieldBackColor(), before);
    w.box->setBorderColor(0x00654321);
    EXPECT_EQ(w.box->grab().toImage().pixelColor(0, 0), OleToQColor(0x00654321));
    w.box->setWidth(2100);
    EXPECT_EQ(w.box->fieldBackColor(), 0x00123456);

    // A resize of a focused box shows the colour at rest until the focus leaves and returns.
    w.box->setMouseInColor(0x00AAAAAA);
    w.box->Text1()->setFocus();
    EXPECT_EQ(w.box->fieldBackColor(), 0x00AAAAAA);
    w.box->setWidth(2200);
    EXPECT_EQ(w.box->fieldBackColor(), 0x00123456);
}

TEST(FoxText, HoverColourAndPollUntilThePointerLeaves)
{
    Window w;
    w.other->Text1()->setFocus();
    w.box->setMouseMoveColor(0x00111111);
    w.box->setMouseOutColor(0x00222222);
    QSignalSpy out(w.box, &FoxTextBase::MouseOut);
    QList<float> xs;
    QObject::connect(w.box, &FoxTextBase::MouseMove, [&](int&, int&, float& x, float&) { xs << x; });
    hover(w.box->Text1(), QPoint(5, 5));
    EXPECT_EQ(w.box->fieldBackColor(), 0x00111111);
    EXPECT_EQ(w.box->hoverPollInterval(), FoxTextBase::HoverPollMs);
    // The position is reported in twips of the edit field.
    ASSERT_FALSE(xs.isEmpty());
    EXPECT_FLOAT_EQ(xs.first(), 75.0f);

    QCursor::setPos(w.window.mapToGlobal(QPoint(390, 190)));
    ASSERT_TRUE(waitFor([&] { return out.count() > 0; }));
    EXPECT_EQ(out.count(), 1);
    EXPECT_EQ(w.box->fieldBackColor(), 0x00222222);
    EXPECT_EQ(w.box->hoverPollInterval(), 0);
}

TEST(FoxText, FocusedBoxKeepsItsColourOnHoverAndThePollIdlesAfterFocusLoss)
{
    Window w;
    w.box->setMouseInColor(0x00333333);
    w.box->setMouseMoveColor(0x00111111);
    w.box->Text1()->setFocus();
    QSignalSpy out(w.box, &FoxTextBase::MouseOut);
    hover(w.box->Text1(), QPoint(5, 5));
    EXPECT_EQ(w.box->fieldBackColor(), 0x00333333);
    EXPECT_EQ(w.box->hoverPollInterval(), 0);

    // Hover on the unfocused box first, then focus it and leave: the poll stays idle.
    w.other->Text1()->setFocus();
    hover(w.box->Text1(), QPoint(6, 6));
    EXPECT_EQ(w.box->hoverPollInterval(), FoxTextBase::HoverPollMs);
    w.box->Text1()->setFocus();
    EXPECT_EQ(w.box->hoverPollInterval(), 0);
    w.other->Text1()->setFocus();
    EXPECT_EQ(w.box->hoverPollInterval(), 0);
    EXPECT_EQ(out.count(), 0);
}

TEST(FoxText, LayoutKeepsMinimumWidthAndFontHeight)
{
    FoxText box;
    QFont font = box.Font();
    font.setPointSize(11);
    box.setFont(font);
    box.setHeight(330);
    EXPECT_EQ(box.Height(), 340);
    box.setHeight(600);
    EXPECT_EQ(box.Height(), 600);
    font.setPointSize(9);
    box.setFont(font);
    box.setHeight(100);
    EXPECT_EQ(box.Height(), 300);
    box.setWidth(100);
    EXPECT_EQ(box.Width(), 180);
    EXPECT_EQ(box.width(), 12);
    // The field sits 60 twips (4 pixels) inside the frame at the sides; above and below it gives
    // way to the height its line of text needs (here 14 pixels, centred in the 20 of the box).
    EXPECT_EQ(box.Text1()->geometry(), QRect(4, 3, 4, 14));

    box.setFontSize(14);
    box.setHeight(330);
    EXPECT_EQ(box.Height(), 400);
}

TEST(FoxText, DisabledFieldKeepsTheFrame)
{
    Window w;
    w.box->setBorderColor(OleRgb(0, 0, 255));
    w.box->setEnabled(false);
    EXPECT_FALSE(w.box->Enabled());
    EXPECT_FALSE(w.box->Text1()->isEnabled());
    EXPECT_TRUE(w.box->isEnabled());
    EXPECT_EQ(w.box->grab().toImage().pixelColor(0, 0), QColor(0, 0, 255));
}

TEST(FoxText, EventsCarryTheFieldsArguments)
{
    Window w;
    QList<QString> seen;
    QObject::connect(w.box, &FoxTextBase::MouseDown,
                     [&](int& b, int&, float&, float&) { seen << QStringLiteral("down%1").arg(b); });
    QObject::connect(w.box, &FoxTextBase::MouseUp,
                     [&](int& b, int&, float&, float&) { seen << QStringLiteral("up%1").arg(b); });
    QObject::connect(w.box, &FoxTextBase::Click, [&] { seen << QStringLiteral("click"); });
    QObject::connect(w.box, &FoxTextBase::DblClick, [&] { seen << QStringLiteral("dbl"); });
    QObject::connect(w.box, &FoxTextBase::KeyDown,
                     [&](int& code, int& shift) { seen << QStringLiteral("kd%1/%2").arg(code).arg(shift); });
    QObject::connect(w.box, &FoxTextBase::KeyUp,
                     [&](int& code, int&) { seen << QStringLiteral("ku%1").arg(code); });
    const auto mouse = [&](QEvent::Type type, Qt::MouseButton button) {
        const QPointF at(5, 5);
        QMouseEvent event(type, at, w.box->Text1()->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(w.box->Text1(), &event);
    };
    mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton);
    mouse(QEvent::MouseButtonPress, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, Qt::RightButton);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w.box->Text1(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::ShiftModifier, QStringLiteral("\r"));
    QApplication::sendEvent(w.box->Text1(), &release);
    EXPECT_EQ(seen,
              (QList<QString>{"down1", "up1", "click", "dbl", "up1", "down2", "up2", "kd13/1", "ku13"}));
}

TEST(FoxText, EveryKeyWithACodeRaisesKeyDownAndKeyUp)
{
    Window w;
    struct Key
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
        int code;
    };
    const Key keys[] = {
        {Qt::Key_Exclam, Qt::ShiftModifier, "!", 49},    {Qt::Key_ParenRight, Qt::ShiftModifier, ")", 48},
        {Qt::Key_Asterisk, Qt::ShiftModifier, "*", 56},  {Qt::Key_Equal, Qt::NoModifier, "=", 187},
        {Qt::Key_Question, Qt::ShiftModifier, "?", 191}, {Qt::Key_BracketLeft, Qt::NoModifier, "[", 219},
        {Qt::Key_Colon, Qt::ShiftModifier, ":", 186},    {Qt::Key_QuoteDbl, Qt::ShiftModifier, "\"", 222},
        {Qt::Key_5, Qt::KeypadModifier, "5", 101},       {Qt::Key_Asterisk, Qt::KeypadModifier, "*", 106},
        {Qt::Key_Period, Qt::KeypadModifier, ".", 110},  {Qt::Key_Home, Qt::KeypadModifier, "", 36},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},   {Qt::Key_F5, Qt::NoModifier, "", 116},
        {Qt::Key_F12, Qt::NoModifier, "", 123},          {Qt::Key_Menu, Qt::NoModifier, "", 93},
    };
    for (FoxTextBase* box : {static_cast<FoxTextBase*>(w.box), static_cast<FoxTextBase*>(w.multi)}) {
        QList<int> downs, ups, expected;
        QObject::connect(box, &FoxTextBase::KeyDown, [&](int& code, int&) { downs << code; });
        QObject::connect(box, &FoxTextBase::KeyUp, [&](int& code, int&) { ups << code; });
        for (const Key& k : keys) {
            QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, QString::fromLatin1(k.text));
            QApplication::sendEvent(box->Text1(), &press);
            QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, QString::fromLatin1(k.text));
            QApplication::sendEvent(box->Text1(), &release);
            expected << k.code;
        }
        EXPECT_EQ(downs, expected);
        EXPECT_EQ(ups, expected);
    }
}

TEST(FoxText, PasswordCharMasksTheText)
{
    Window w;
    w.box->setOnlyNumber(false);
    w.box->setPasswordChar(QStringLiteral("*"));
    w.box->setText(QStringLiteral("abc"));
    EXPECT_EQ(w.box->edit()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(w.box->edit()->displayText(), QStringLiteral("***"));
    EXPECT_EQ(w.box->Text(), QStringLiteral("abc"));
    w.box->setPasswordChar(QStringLiteral("#"));
    EXPECT_EQ(w.box->edit()->displayText(), QStringLiteral("###"));
    w.box->setPasswordChar(QString());
    EXPECT_EQ(w.box->edit()->displayText(), QStringLiteral("abc"));
}

TEST(FoxTextPersistence, EmptyBagGivesDefaultsAndDefaultsAreNotStored)
{
    FoxText box;
    box.setOnlyNumber(false);
    box.setText(QStringLiteral("x"));
    PropertyBag empty;
    box.readProperties(empty);
    EXPECT_TRUE(box.OnlyNumber());
    EXPECT_EQ(box.Text(), QStringLiteral("Text1"));

    PropertyBag written;
    box.writeProperties(written);
    EXPECT_EQ(written.size(), 0);
}

TEST(FoxTextPersistence, EveryPropertySurvivesARoundTrip)
{
    QWidget host;
    FoxText box(&host);
    QFont font = box.Font();
    font.setPointSize(17);
    font.setBold(true);
    QSignalSpy marks(&box, &FoxTextBase::propertyChanged);
    box.setForeColor(0x00010203);
    box.setEnabled(false);
    box.setFont(font);
    box.setAlignment(2);
    box.setLocked(true);
    box.setPasswordChar(QStringLiteral("#"));
    box.setText(QStringLiteral("42"));
    box.setMouseMoveColor(0x00040506);
    box.setMouseInColor(0x00070809);
    box.setSelAll(true);
    box.setOnlyNumber(false);
    box.setUserDot(true);
    box.setBorderColor(SystemColor(6));
    box.setMouseOutColor(0x000A0B0C);
    box.setMaxLength(9);
    box.setOtherChar(QStringLiteral("-/"));
    EXPECT_EQ(marks.count(), 16);

    PropertyBag bag;
    box.writeProperties(bag);
    EXPECT_EQ(bag.size(), 16);

    FoxText copy(&host);
    copy.readProperties(bag);
    EXPECT_EQ(copy.ForeColor(), 0x00010203);
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.Font(), font);
    EXPECT_EQ(copy.Alignment(), 2);
    EXPECT_TRUE(copy.Locked());
    EXPECT_EQ(copy.PasswordChar(), QStringLiteral("#"));
    EXPECT_EQ(copy.Text(), QStringLiteral("42"));
    EXPECT_EQ(copy.MouseMoveColor(), 0x00040506);
    EXPECT_EQ(copy.MouseInColor(), 0x00070809);
    EXPECT_TRUE(copy.SelAll());
    EXPECT_FALSE(copy.OnlyNumber());
    EXPECT_TRUE(copy.UserDot());
    EXPECT_EQ(copy.BorderColor(), SystemColor(6));
    EXPECT_EQ(copy.MouseOutColor(), 0x000A0B0C);
    EXPECT_EQ(copy.MaxLength(), 9);
    EXPECT_EQ(copy.OtherChar(), QStringLiteral("-/"));

    PropertyBag again;
    copy.writeProperties(again);
    EXPECT_EQ(again.values(), bag.values());

    FoxTextMu multi(&host);
    PropertyBag multiBag;
    multi.writeProperties(multiBag);
    EXPECT_FALSE(multiBag.contains(QStringLiteral("OtherChar")));
    // A new multi-line box is empty, which differs from the bag's default text.
    EXPECT_EQ(multiBag.read(QStringLiteral("Text"), QStringLiteral("Text1")).toString(), QString());
}
