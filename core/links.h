#pragma once

#include <functional>

#include <QString>

// What the contact entries' action buttons do with an entry's text, by kind:
// 0 opens a web address (http, https or ftp; a text without "://" is taken as "http://" + text)
// in the desktop's browser, and refuses with a message anything else (files, programs, other
// schemes); 1 (instant messenger) does nothing; 2 opens the program's mail window addressed to
// Target, after checking it with IsValidEmail.
void OpenLink(int Kind, const QString& Target);

// The button captions that choose the kind: "打开网页" 0, "发送ＱＱ" and "发送qq" 1, "发送邮件" 2; any
// other caption 0.
int LinkKindOfCaption(const QString& caption);

// The mail window lives above this library: the application installs what opens it (modal) for
// an address. Without one, OpenLink of kind 2 does nothing.
void SetMailWindowOpener(std::function<void(const QString& address)> opener);

// Asks for a file to open with the title and the filter ("" = all files), starting in the folder
// of the last file chosen (the program folder at first, or when that folder has gone). Returns
// the file's full path, or "" when the user cancelled or the file does not exist.
QString ChooseFile(const QString& Filter, const QString& Title);
