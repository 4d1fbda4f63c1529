#pragma once

#include <QString>

// The pinyin initials of a name, stored beside it so that it can be found by typing Latin letters:
// single-byte characters are copied in lower case, every other character gives the first letter
// of its reading in table mypinyin, or nothing when the table does not hold it.
QString GetPinyinInitials(const QString& Text);
