#include "app/mainformlogic.h"

#include <QList>
#include <QPair>

#include "core/backup.h"
#include "core/dblayer.h"
#include "core/inputtext.h"
#include "core/session.h"
#include "platform/prompts.h"

namespace {

const QString CompanyNameSetting = QStringLiteral("公司名称");

} // namespace

SixClassification ReadSixClassification()
{
    QList<QPair<QString, QString>> rows;
    // Rows of equal order in stored order, so that exactly six count.
    OpenRecordset(
        1, QStringLiteral("select * from ClientSixClass order by ClientSixClassGetOrder, rowid limit 6"));
    while (!Rs1.Eof()) {
        rows.append(
            {Rs1.Text(QStringLiteral("ClientSixClassName")), Rs1.Text(QStringLiteral("ClientSixTableName"))});
        Rs1.MoveNext();
    }
    CloseRecordset(1);
    return SixClassificationFromRows(rows);
}

SixClassification SixClassificationFromRows(const QList<QPair<QString, QString>>& rows)
{
    SixClassification result;
    for (const auto& [name, table] : rows) {
        result.names.append(name);
        result.tables.append(table);
        if (name.contains(QLatin1Char('|')) || table.contains(QLatin1Char('|')))
            result.usable = false;
    }
    return result;
}

QString SixClassLoadMessage()
{
    return QStringLiteral("分类的数据不正确，程序无法正常启动！");
}

QString SixClassEditMessage()
{
    return QStringLiteral("分类的数据不正确，可能会造成严重后果，请使用备份数据库！");
}

QString MainFormCaption()
{
    return OwnCompanyName + QStringLiteral("Tollivar--当前用户：") + CurUserName;
}

QStringList SkinMenuNames()
{
    return QStringLiteral("QQ2010|QQ2008|新年大吉|白色简约|复古木纹|时尚元素|蓝色宝石|天蓝淡雅|Vista风格")
        .split(QLatin1Char('|'));
}

int FontSetIndex(int fontSize)
{
    if (fontSize == 9)
        return 1;
    if (fontSize == 14)
        return 3;
    return 2;
}

FontChoice FontChoiceOf(int FontSetIndex)
{
    switch (FontSetIndex) {
    case 1:
        return {9, 330};
    case 3:
        return {14, 360};
    default:
        return {11, 330};
    }
}

void ChooseFontSize(int FontSetIndex)
{
    const FontChoice choice = FontChoiceOf(FontSetIndex);
    // Stored first: a file too busy to store it in leaves the size as it was, to be chosen again.
    OpenRecordset(1, QStringLiteral("select * from userdata where userid=?"), {CurUserID});
    if (!Rs1.Eof()) {
        Rs1.SetValue(QStringLiteral("UserFontSize"), int(choice.size));
        Rs1.Update();
    }
    CloseRecordset(1);
    UserFontSize = choice.size;
    FoxTextHeight = choice.textHeight;
}

void ChangeOwnCompanyName()
{
    if (!IsAdministrator()) {
        MsgBox(QStringLiteral("此操作只能由admin账号进行。"));
        return;
    }
    OpenRecordset(1, QStringLiteral("select * from setup where setupname=?"), {CompanyNameSetting});
    const QString text = TrimText(InputText(QStringLiteral("请输入公司名字："), QStringLiteral("更改公司"),
                                            Rs1.Eof() ? QString() : Rs1.Text(QStringLiteral("SetupData")),
                                            false, false, QString(), true));
    if (!text.isEmpty()) {
        // The login creates the row; should it be gone, the name is stored in a new one.
        if (Rs1.Eof()) {
            Rs1.AddNew();
            Rs1.SetValue(QStringLiteral("setupname"), CompanyNameSetting);
        }
        Rs1.SetValue(QStringLiteral("SetupData"), text);
        Rs1.Update();
        OwnCompanyName = text;
    }
    CloseRecordset(1);
}
