#pragma once

#include <QString>
#include <QStringList>

// The session of the logged-in user: set by the login and the main window, read everywhere.
extern qint32 CurUserID;
extern QString CurUserName;
extern qint32 CurGroupID;
extern qint32 SkinId;
extern QString UserEmail;
extern QString UserEmailName;
extern QString UserEmailPass; // as stored (scrambled)
extern QString UserEmailSmtp;
extern qint16 UserFontSize;
extern qint16 FoxTextHeight;
extern bool CanSeeAllUser;
extern bool CanUserManage;
extern bool CanChangeClass;
extern bool CanCheckOrder;
extern QString OwnCompanyName;
// The six client classifications: table names and labels (built by the main window).
extern QStringList SixClassTables;
extern QStringList SixClassNames;

// Back to the state before the first login.
void ResetSession();
