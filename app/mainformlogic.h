#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What the main window computes and stores without needing a window.

// The six client classifications: table names and labels from the first six rows of
// ClientSixClass by order, both lists in that order.
struct SixClassification
{
    QStringList tables;
    QStringList names;
    // False when a label or a table name holds "|", the separator the classifications were
    // always joined with: the lists cannot be trusted then.
    bool usable = true;
};

// Reads the classifications; needs the open connection.
SixClassification ReadSixClassification();
// The same from rows already read (label, table name).
SixClassification SixClassificationFromRows(const QList<QPair<QString, QString>>& rows);

// The messages of unusable classifications: at load, and after the names were edited.
QString SixClassLoadMessage();
QString SixClassEditMessage();

// The main window's caption for the session.
QString MainFormCaption();

// The skin menu's names, skin 1 first.
QStringList SkinMenuNames();

// The font menu: item 1 "小", 2 "中", 3 "大".
struct FontChoice
{
    qint16 size;
    qint16 textHeight; // FoxTextHeight in twips
};
// The item checked for a font size: 9 small, 14 large, anything else middle.
int FontSetIndex(int fontSize);
FontChoice FontChoiceOf(int FontSetIndex);
// Takes font item k for the session and stores its size in the logged-in user's row.
void ChooseFontSize(int FontSetIndex);

// The menu item "公司资料": only the administrator may rename the own company. Asks for the name
// and stores a non-empty one in the setup row "公司名称" and in OwnCompanyName.
void ChangeOwnCompanyName();
