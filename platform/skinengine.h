#pragma once

#include <QString>

// Gives every window of the application the look of a skin file (a Qt style sheet), from now on
// and at once for the windows already open; a later call switches to another look. False when the
// file cannot be read, which leaves the look as it was.
bool AttachSkinFile(const QString& path);
