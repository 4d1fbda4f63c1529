#pragma once

#include <QString>
#include <QVariantList>

// A search by name as the lists and the picker run it: a text whose first character is a
// single-byte character of the code page (StartsWithSingleByte) is looked for in the
// pinyin-initials column, any other text in the name column, as a substring anywhere and without
// regard to Latin case. The text travels as a bound value, so quotes and the like are searched for
// as typed.
struct NameSearch
{
    QString condition;   // "instr(lower(column), lower(?)) > 0", or "" for an empty text
    QVariantList params; // the text, or nothing
};

NameSearch NameSearchCondition(const QString& text, const QString& pinyinColumn, const QString& nameColumn);
