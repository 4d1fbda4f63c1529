#pragma once

#include <QDateTime>
#include <QString>

class Grid;

// Prints a list through the grid's print preview: page set-up (portrait or landscape margins),
// Title as the page header, FooterText followed by the user and the date and time as the footer,
// and the table's lines drawn while the preview is open. PageValue1 and PageValue2 (-1 true,
// 0 false) are two of the page set-up's print options.
void PrintGrid(Grid* grid, const QString& Title, const QString& FooterText, bool Landscape, qint32 PageValue1,
               qint32 PageValue2);

// The footer text for a moment: FooterText, "用户：", the user, "    日期：", date, blank, time.
QString PrintGridFooter(const QString& FooterText, const QDateTime& when);
