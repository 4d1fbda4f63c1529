#include "clients/recordsave.h"

#include <QDate>

#include "core/dblayer.h"
#include "core/session.h"
#include "platform/recordset.h"

QString NumberedErrorMessage(const QStringList& lines)
{
    QString text = QStringLiteral("部分数据发生错误：\r\n\r\n");
    for (qsizetype i = 0; i < lines.size(); ++i)
        text += QString::number(i + 1) + lines.at(i) + QStringLiteral("\r\n");
    return text + QStringLiteral("\r\n请修改后再进行保存。");
}

StoredRow StoreOwnedRow(Recordset& rs, const QString& keyField, qint32 key, const std::function<void()>& fill)
{
    if (!rs.Eof()) {
        fill();
        rs.Update();
        return {key, false};
    }
    const qint32 added = AddNewWithRandomId(rs, keyField, [&] {
        rs.SetValue(QStringLiteral("createDate"), QDate::currentDate());
        rs.SetValue(QStringLiteral("createuser"), CurUserID);
        fill();
    });
    return {added, true};
}
