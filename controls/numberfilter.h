#pragma once

#include <QString>

// The numeric key filter of the text boxes: the KeyAscii that goes on after it, 0 when the key
// is swallowed. Admitted are the ten digits, backspace (8), Ctrl+V (22), Ctrl+C (3), Enter (13),
// every character of otherChars, and "." while userDot is on and the text holds no "." yet.
int FilterNumberKey(int keyAscii, const QString& currentText, bool userDot, const QString& otherChars);
