#pragma once

#include <QString>
#include <QStringList>

// The one message an edit dialog shows for all the failed checks of a save: "部分数据发生错误：",
// the lines numbered from 1 (each line's text begins with "、"), and "请修改后再进行保存。".
QString NumberedErrorMessage(const QStringList& lines);
