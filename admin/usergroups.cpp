#include "admin/usergroups.h"

#include <QHash>

#include "core/dblayer.h"
#include "core/scramblepassword.h"
#include "core/session.h"
#include "platform/recordset.h"
#include "platform/transaction.h"

namespace {

const QString GroupRowSql = QStringLiteral("select * from UserClass where UserClassID=?");
const QString UserRowSql = QStringLiteral("select * from userdata where UserID=?");

void writeRights(Recordset& rs, const UserGroup& group)
{
    rs.SetValue(QStringLiteral("CanSeeAllUser"), group.canSeeAllUser);
    rs.SetValue(QStringLiteral("CanUserManage"), group.canUserManage);
    rs.SetValue(QStringLiteral("Canchangeclass"), group.canChangeClass);
    rs.SetValue(QStringLiteral("cancheckorder"), group.canCheckOrder);
}

// Sets one column of one user row; a row that no longer exists changes nothing.
void setUserValue(qint32 userId, const QString& column, const QVariant& value)
{
    Recordset rs;
    rs.Open(UserRowSql, Conn, {userId});
    if (!rs.Eof()) {
        rs.SetValue(column, value);
        rs.Update();
    }
    rs.Close();
}

} // namespace

UserGroup AddUserGroup()
{
    UserGroup group;
    Recordset rs;
    rs.Open(GroupRowSql, Conn, {0});
    group.id = AddNewWithRandomId(rs, QStringLiteral("UserClassID"), [&] {
        group.name = QStringLiteral("新增用户组") + QString::number(rs.Int(QStringLiteral("UserClassID")));
        rs.SetValue(QStringLiteral("userclassname"), group.name);
        // Written, not left to the column defaults: a new group has no right.
        writeRights(rs, group);
    });
    rs.Close();
    return group;
}

std::optional<UserGroup> ReadUserGroup(qint32 id)
{
    Recordset rs;
    rs.Open(GroupRowSql, Conn, {id});
    if (rs.Eof())
        return std::nullopt;
    UserGroup group;
    group.id = id;
    group.name = rs.Text(QStringLiteral("userclassname"));
    group.canSeeAllUser = rs.Bool(QStringLiteral("CanSeeAllUser"));
    group.canUserManage = rs.Bool(QStringLiteral("CanUserManage"));
    group.canChangeClass = rs.Bool(QStringLiteral("Canchangeclass"));
    group.canCheckOrder = rs.Bool(QStringLiteral("cancheckorder"));
    rs.Close();
    return group;
}

void SaveUserGroup(const UserGroup& group)
{
    Recordset rs;
    rs.Open(GroupRowSql, Conn, {group.id});
    if (!rs.Eof()) {
        rs.SetValue(QStringLiteral("userclassname"), group.name);
        writeRights(rs, group);
        rs.Update();
    }
    rs.Close();
}

bool DeleteUserGroup(qint32 id)
{
    // Counted inside the delete's transaction: a user added or moved into the group by another
    // administrator after this window filled its list still keeps the group.
    Transaction transaction(Conn);
    if (Conn.scalar(QStringLiteral("select count(*) from userdata where GetUserClassID=?"), {id}).toInt() > 0)
        return false;
    Conn.exec(QStringLiteral("delete from UserClass where UserClassID=?"), {id});
    transaction.commit();
    return true;
}

qint32 AddUser(qint32 groupId)
{
    Recordset rs;
    rs.Open(UserRowSql, Conn, {0});
    const qint32 id = AddNewWithRandomId(rs, QStringLiteral("userid"), [&] {
        rs.SetValue(QStringLiteral("username"),
                    QStringLiteral("新增用户") + QString::number(rs.Int(QStringLiteral("userid"))));
        rs.SetValue(QStringLiteral("GetUserClassID"), groupId);
        rs.SetValue(QStringLiteral("UserSkin"), SkinId);
        rs.SetValue(QStringLiteral("userpass"), ScramblePassword(DefaultUserPassword));
    });
    rs.Close();
    return id;
}

void RenameUser(qint32 userId, const QString& name)
{
    setUserValue(userId, QStringLiteral("username"), name);
}

void MoveUserToGroup(qint32 userId, qint32 groupId)
{
    setUserValue(userId, QStringLiteral("GetUserClassID"), groupId);
}

void SaveUserOrder(const QList<qint32>& userIds)
{
    QHash<qint32, int> position;
    for (int k = 0; k < int(userIds.size()); ++k)
        position.insert(userIds.at(k), k + 1);
    // One pass over every user row, written together.
    Transaction transaction(Conn);
    Recordset rs;
    rs.Open(QStringLiteral("select * from UserData"), Conn);
    for (; !rs.Eof(); rs.MoveNext()) {
        const auto found = position.constFind(qint32(rs.Int(QStringLiteral("userid"))));
        if (found == position.constEnd())
            continue;
        rs.SetValue(QStringLiteral("UserDataGetOrder"), *found);
        rs.Update();
    }
    rs.Close();
    transaction.commit();
}
