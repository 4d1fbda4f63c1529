#pragma once

#include <optional>

#include <QList>
#include <QString>

// User groups with their four rights, and the users in them (tables UserClass and userdata).
// Works on the shared connection Conn.

// The password every new user starts with.
inline const QString DefaultUserPassword = QStringLiteral("530917");

// The groups this administration shows: every group but the built-in group 1.
inline const QString GroupListSql =
    QStringLiteral("select * from UserClass where userclassid>1 order by UserClassid");
// The users of one group (bound: the group's key).
inline const QString GroupUsersSql = QStringLiteral("select * from userdata where GetUserClassID=?");
// Every user in the order kept by the reordering (new users, not yet ordered, come first).
inline const QString AllUsersSql = QStringLiteral("select * from Userdata order by UserDataGetOrder, userid");

struct UserGroup
{
    qint32 id = 0;
    QString name;
    bool canSeeAllUser = false;
    bool canUserManage = false;
    bool canChangeClass = false;
    bool canCheckOrder = false;

    bool operator==(const UserGroup&) const = default;
};

// Stores a new group without rights, named "新增用户组" and its key.
UserGroup AddUserGroup();
// The group with key id, if it exists.
std::optional<UserGroup> ReadUserGroup(qint32 id);
// Stores the name and rights of group.id (a group that no longer exists changes nothing).
void SaveUserGroup(const UserGroup& group);
// Deletes the group when no user belongs to it at that moment; false (nothing deleted) otherwise.
bool DeleteUserGroup(qint32 id);

// Stores a new user in the group, named "新增用户" and its key, with the default password and
// the skin of the logged-in user; returns the key.
qint32 AddUser(qint32 groupId);
void RenameUser(qint32 userId, const QString& name);
void MoveUserToGroup(qint32 userId, qint32 groupId);
// Stores the order of the user list: the user at index k gets position k + 1; users the list
// does not hold keep their position.
void SaveUserOrder(const QList<qint32>& userIds);
