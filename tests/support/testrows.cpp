#include "tests/support/testrows.h"

#include <QStringList>

#include "core/dblayer.h"
#include "core/session.h"

void LogInAsAdmin()
{
    CurUserID = 1;
    CurUserName = QStringLiteral("admin");
}

void InsertRow(const QString& table, const RowColumns& columns)
{
    QStringList names;
    QVariantList values;
    for (const auto& [name, value] : columns) {
        names << name;
        values << value;
    }
    Conn.exec(QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(table, names.join(QStringLiteral(", ")),
                       QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "))),
              values);
}

void AddUserRow(qint32 id, const QString& name, const RowColumns& more)
{
    InsertRow(QStringLiteral("userdata"), RowColumns{{QStringLiteral("userid"), id},
                                                     {QStringLiteral("username"), name},
                                                     {QStringLiteral("GetUserClassID"), 1}} +
                                              more);
}

void AddClientRow(qint32 id, const QString& name, qint32 owner, const RowColumns& more)
{
    InsertRow(QStringLiteral("client"), RowColumns{{QStringLiteral("clientid"), id},
                                                   {QStringLiteral("clientname"), name},
                                                   {QStringLiteral("createuser"), owner}} +
                                            more);
}
