#pragma once

#include <QStringList>

// Puts Qt's own texts (the standard buttons of message boxes, the file chooser, the print preview,
// a text box's context menu) into Chinese from the catalogs Qt ships with (Debian package
// qt6-translations-l10n), whatever language the desktop speaks. Returns (and warns of) the
// catalogs it could not find; their texts stay English.
QStringList InstallQtTranslations();
