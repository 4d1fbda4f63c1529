#include "core/session.h"

qint32 CurUserID = 0;
QString CurUserName;
qint32 CurGroupID = 0;
qint32 SkinId = 0;
QString UserEmail;
QString UserEmailName;
QString UserEmailPass;
QString UserEmailSmtp;
qint16 UserFontSize = 13;
qint16 FoxTextHeight = 330;
bool CanSeeAllUser = false;
bool CanUserManage = false;
bool CanChangeClass = false;
bool CanCheckOrder = false;
QString OwnCompanyName;
QStringList SixClassTables;
QStringList SixClassNames;

void ResetSession()
{
    CurUserID = 0;
    CurUserName.clear();
    CurGroupID = 0;
    SkinId = 0;
    UserEmail.clear();
    UserEmailName.clear();
    UserEmailPass.clear();
    UserEmailSmtp.clear();
    UserFontSize = 13;
    FoxTextHeight = 330;
    CanSeeAllUser = false;
    CanUserManage = false;
    CanChangeClass = false;
    CanCheckOrder = false;
    OwnCompanyName.clear();
    SixClassTables.clear();
    SixClassNames.clear();
}
