#pragma once

#include <QFont>
#include <QString>

// Printouts draw their text with the print font beside the program (fonts/DezArodPrint-Regular.otf,
// Noto Sans CJK SC written for printing): Simplified Chinese forms in every locale, and a PDF
// whose text reads back as the characters printed. Characters it lacks (radicals, compatibility
// ideographs) come from the faces of the font it is given.
inline const QString PrintFontFamily = QStringLiteral("DezArod Print");

// The path the print font is loaded from: the fonts folder beside the executable.
QString PrintFontPath();
// base in the print font (size and style kept). Loads the font on first use; without the file
// beside the program, base as it is.
QFont PrintFont(const QFont& base);
