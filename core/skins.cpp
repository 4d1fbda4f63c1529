#include "core/skins.h"

#include <QDir>
#include <QFileInfo>

#include "core/dblayer.h"
#include "core/inifile.h"
#include "core/programfolder.h"
#include "core/session.h"
#include "platform/prompts.h"
#include "platform/skinengine.h"

std::array<SkinInfo, 10> Skins;
SkinInfo CurSkin;

namespace {

constexpr qint32 TextBoxHover = 0xD8E9EC;
constexpr qint32 TextBoxRest = 0xFFFFFF;
constexpr qint32 TextBoxFocus = 0xD8E9EC;

SkinInfo skin(qint32 id, const QString& name, const QString& file, qint32 back, qint32 border)
{
    return SkinInfo{id, name, file, back, TextBoxHover, TextBoxRest, TextBoxFocus, border};
}

bool skinFileExists(qint32 id)
{
    return QFileInfo(SkinFilePath(id)).isFile();
}

void storeUserSkin(qint32 id)
{
    // Only a logged-in user has a row to correct, and only while the connection is open.
    if (CurUserID == 0 || !Conn.isOpen())
        return;
    OpenRecordset(1, QStringLiteral("select * from userdata where userid=?"), {CurUserID});
    if (!Rs1.Eof()) {
        Rs1.SetValue(QStringLiteral("UserSkin"), id);
        Rs1.Update();
    }
    CloseRecordset(1);
}

} // namespace

void InitSkinTable()
{
    Skins[1] = skin(1, QStringLiteral("QQ2010"), QStringLiteral("skinh.she"), 0xF3E1CA, 0xD5A554);
    Skins[2] = skin(2, QStringLiteral("QQ2008"), QStringLiteral("QQ2008.she"), 0xF4D5AA, 0xE9A156);
    Skins[3] = skin(3, QStringLiteral("新年大吉"), QStringLiteral("XinChunDaJie.she"), 0xEDEDED, 0xB2ACA5);
    Skins[4] = skin(4, QStringLiteral("白色简约"), QStringLiteral("BaiSeJianYue.she"), 0xF7F5F4, 0xB2ACA5);
    Skins[5] = skin(5, QStringLiteral("复古木纹"), QStringLiteral("FuGuMuWen.she"), 0xCBDEE8, 0x245885);
    Skins[6] = skin(6, QStringLiteral("时尚元素"), QStringLiteral("ShiShnagXingXi.she"), 0xFEFDFB, 0x9B7E3A);
    Skins[7] = skin(7, QStringLiteral("蓝色宝石"), QStringLiteral("LanSeBaoShi.she"), 0xEDE9EB, 0xAAA6A7);
    Skins[8] = skin(8, QStringLiteral("天蓝淡雅"), QStringLiteral("TianLanDanYa.she"), 0xD1B6A7, 0xB2ACA5);
    Skins[9] = skin(9, QStringLiteral("Vista风格"), QStringLiteral("aero.she"), 0xF0F0F0, 0x876450);
}

QString SkinFilePath(qint32 id)
{
    if (id < 1 || id > 9)
        return QString();
    if (Skins[id].Id == 0)
        InitSkinTable();
    return QDir(ProgramFile(QStringLiteral("Skin"))).filePath(Skins[id].FileName);
}

bool ApplySkin(qint32 requested)
{
    qint32 id = requested;
    if (id < 1 || id > 9)
        id = 1;
    if (!skinFileExists(id))
        id = 1;
    if (!skinFileExists(id)) {
        if (CurSkin.Id == 0)
            MsgBox(QStringLiteral("无法启动皮肤，程序打开失败。将关闭程序。"), MsgButtons::Ok,
                   QStringLiteral("关闭程序"));
        else
            MsgBox(QStringLiteral("皮肤设置错误，未找到该皮肤文件。"));
        return false;
    }
    if (id != SkinId) {
        // Stored first: a file too busy to store it in leaves the skin as it was, to be chosen again.
        storeUserSkin(id);
        SkinId = id;
    }
    // A file the engine cannot read leaves the look as it was, like an unusable skin file.
    AttachSkinFile(SkinFilePath(id));
    CurSkin = Skins[id];
    return true;
}

qint32 SkinIdFromValue(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return 0;
    bool ok = false;
    const double number = value.toDouble(&ok);
    qint32 id = 0;
    if (!ok || !RoundToInt32(number, &id))
        return 0;
    return id;
}
