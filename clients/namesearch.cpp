#include "clients/namesearch.h"

#include "platform/ansicodepage.h"
#include "platform/database.h"

NameSearch NameSearchCondition(const QString& text, const QString& pinyinColumn, const QString& nameColumn)
{
    if (text.isEmpty())
        return {};
    const QString& column = StartsWithSingleByte(text) ? pinyinColumn : nameColumn;
    return {QStringLiteral("instr(lower(%1), lower(?)) > 0").arg(QuoteIdentifier(column)), {text}};
}
