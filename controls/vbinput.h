#pragma once

#include <Qt>

class QKeyEvent;

// The key and mouse arguments the controls' events hand to their windows, in the values the
// windows compare against: key codes of the original platform, KeyAscii character codes of the
// code page, Shift as 1 shift + 2 ctrl + 4 alt, Button as 1 left + 2 right + 4 middle.
int VbKeyCode(const QKeyEvent* event);
int VbShift(Qt::KeyboardModifiers modifiers);
int VbButton(Qt::MouseButtons buttons);
// The character code a key press types: control characters for Ctrl+letter (Ctrl+C is 3, Ctrl+V
// 22), 13 for Enter, 8 for backspace, 27 for Escape, the code-page code of a typed character
// (negative for a double-byte one); 0 when the key types nothing.
int VbKeyAscii(const QKeyEvent* event);
