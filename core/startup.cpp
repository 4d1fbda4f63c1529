#include "core/startup.h"

#include "core/inifile.h"
#include "core/session.h"
#include "core/skins.h"
#include "platform/prompts.h"
#include "platform/singleinstance.h"

bool Main(SingleInstanceLock& lock)
{
    if (!lock.tryLock()) {
        MsgBox(QStringLiteral("同一目录的程序只能运行一次！"));
        return false;
    }
    try {
        const QString path = IniFilePath();
        EnsureIniFile(path);
        SkinId = ReadIniSkinId(path);
    } catch (const IniFileError& e) {
        MsgBox(e.message(), MsgButtons::Ok, QString(), MsgIcon::Critical);
        return false;
    }
    InitSkinTable();
    return ApplySkin(SkinId);
}
