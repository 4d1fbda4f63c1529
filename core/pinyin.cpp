#include "core/pinyin.h"

#include <optional>

#include "core/dblayer.h"
#include "platform/ansicodepage.h"
#include "platform/database.h"

QString GetPinyinInitials(const QString& Text)
{
    const QString text = TrimText(Text);
    QString initials;
    // Prepared at the first character that needs it, then reused for the others.
    std::optional<Statement> lookup;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (IsSingleByte(ch)) {
            initials += ch.toLower();
            continue;
        }
        // A character beyond the basic plane is looked up whole, never as half a pair.
        const qsizetype length =
            (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        if (!lookup)
            lookup.emplace(Conn,
                           QStringLiteral("select pinyin from mypinyin where instr(hanzi, ?) > 0 limit 1"));
        lookup->reset();
        lookup->bind({character});
        if (lookup->step()) {
            const QString pinyin = lookup->value(0).toString();
            if (!pinyin.isEmpty())
                initials += pinyin.at(0).toLower();
        }
    }
    return initials;
}
