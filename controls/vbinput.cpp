#include "controls/vbinput.h"

#include <algorithm>
#include <iterator>

#include <QKeyEvent>

#include "platform/ansicodepage.h"

namespace {

struct KeyCodeOf
{
    int key;
    int code;
};

// Every key the original platform gave a code, by the code of the key it lies on: a shifted
// character counts as the key it is typed with ("!" as 1, "?" as /). Letters, digits and F1 to
// F24 are computed in VbKeyCode.
// clang-format off
constexpr KeyCodeOf KeyCodes[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9}, {Qt::Key_Backtab, 9}, {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18}, {Qt::Key_AltGr, 18}, {Qt::Key_Pause, 19}, {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},
    // Movement and editing
    {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35}, {Qt::Key_Home, 36},
    {Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
    {Qt::Key_Select, 41}, {Qt::Key_Execute, 43}, {Qt::Key_Print, 44}, {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46}, {Qt::Key_Help, 47},
    // Shifted digits
    {Qt::Key_ParenRight, 48}, {Qt::Key_Exclam, 49}, {Qt::Key_At, 50}, {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52}, {Qt::Key_Percent, 53}, {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56}, {Qt::Key_ParenLeft, 57},
    // System keys
    {Qt::Key_Meta, 91}, {Qt::Key_Super_L, 91}, {Qt::Key_Super_R, 92}, {Qt::Key_Menu, 93},
    {Qt::Key_Sleep, 95}, {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
    // Browser and media keys
    {Qt::Key_Back, 166}, {Qt::Key_Forward, 167}, {Qt::Key_Refresh, 168}, {Qt::Key_Stop, 169},
    {Qt::Key_Search, 170}, {Qt::Key_Favorites, 171}, {Qt::Key_HomePage, 172},
    {Qt::Key_VolumeMute, 173}, {Qt::Key_VolumeDown, 174}, {Qt::Key_VolumeUp, 175},
    {Qt::Key_MediaNext, 176}, {Qt::Key_MediaPrevious, 177}, {Qt::Key_MediaStop, 178},
    {Qt::Key_MediaPlay, 179}, {Qt::Key_MediaTogglePlayPause, 179}, {Qt::Key_LaunchMail, 180},
    {Qt::Key_LaunchMedia, 181}, {Qt::Key_Launch0, 182}, {Qt::Key_Launch1, 183},
    {Qt::Key_Play, 250}, {Qt::Key_Zoom, 251},
    // Punctuation, plain and shifted
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186}, {Qt::Key_Equal, 187}, {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188}, {Qt::Key_Less, 188}, {Qt::Key_Minus, 189}, {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190}, {Qt::Key_Greater, 190}, {Qt::Key_Slash, 191}, {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
};

// The keys of the numeric keypad with codes of their own (its digits are computed).
constexpr KeyCodeOf KeypadCodes[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Comma, 108},
    {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
};
// clang-format on

int lookUp(const KeyCodeOf* begin, const KeyCodeOf* end, int key)
{
    const auto found = std::find_if(begin, end, [key](const KeyCodeOf& entry) { return entry.key == key; });
    return found == end ? 0 : found->code;
}

} // namespace

int VbKeyCode(const QKeyEvent* event)
{
    const int key = event->key();
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // 65..90, as the original
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    if (keypad) {
        if (const int code = lookUp(std::begin(KeypadCodes), std::end(KeypadCodes), key))
            return code;
    }
    return lookUp(std::begin(KeyCodes), std::end(KeyCodes), key);
}

int VbShift(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

int VbButton(Qt::MouseButtons buttons)
{
    int button = 0;
    if (buttons & Qt::LeftButton)
        button |= 1;
    if (buttons & Qt::RightButton)
        button |= 2;
    if (buttons & Qt::MiddleButton)
        button |= 4;
    return button;
}

int VbKeyAscii(const QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        switch (key) {
        case Qt::Key_BracketLeft:
            return 27;
        case Qt::Key_Backslash:
            return 28;
        case Qt::Key_BracketRight:
            return 29;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 10;
        case Qt::Key_Backspace:
            return 127;
        default:
            return 0;
        }
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control)
        return 0;
    return AnsiCode(text);
}
