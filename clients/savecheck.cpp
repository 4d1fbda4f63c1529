#include "clients/savecheck.h"

QString NumberedErrorMessage(const QStringList& lines)
{
    QString text = QStringLiteral("部分数据发生错误：\r\n\r\n");
    for (qsizetype i = 0; i < lines.size(); ++i)
        text += QString::number(i + 1) + lines.at(i) + QStringLiteral("\r\n");
    return text + QStringLiteral("\r\n请修改后再进行保存。");
}
