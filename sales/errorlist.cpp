#include "sales/errorlist.h"

QString ErrorList::message() const
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("部分数据发生错误：") + crlf + crlf;
    for (const QString& line : m_lines)
        text += line + crlf;
    return text + crlf + QStringLiteral("请修改后再进行保存。");
}
