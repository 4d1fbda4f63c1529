#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class Recordset;

// What the client and company saves share.

// The one message an edit dialog shows for all the failed checks of a save: "部分数据发生错误：",
// the lines numbered from 1 (each line's text begins with "、"), and "请修改后再进行保存。".
QString NumberedErrorMessage(const QStringList& lines);

// Stores the row of a business table open in rs (a query for its key): the row found is changed
// in place; when none was found, a new one is added with a fresh random key, createDate today and
// createuser the logged-in user. fill sets the other fields (it may run more than once).
struct StoredRow
{
    qint32 key = 0;
    bool added = false;
};
StoredRow StoreOwnedRow(Recordset& rs, const QString& keyField, qint32 key,
                        const std::function<void()>& fill);
