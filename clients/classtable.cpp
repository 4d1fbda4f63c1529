#include "clients/classtable.h"

#include <QVariant>

#include "core/dblayer.h"
#include "platform/database.h"
#include "platform/recordset.h"
#include "platform/transaction.h"

const QString ClassTable::SixClassTable = QStringLiteral("ClientSixClass");

ClassTable::ClassTable(const QString& tabName) : m_tabName(tabName) {}

QString ClassTable::quotedTable() const
{
    return QuoteIdentifier(m_tabName);
}

QString ClassTable::orderedSelect() const
{
    return QStringLiteral("select * from %1 order by %2, rowid")
        .arg(quotedTable(), QuoteIdentifier(orderColumn()));
}

QList<ClassItem> ClassTable::loadAndRenumber()
{
    QList<ClassItem> items;
    Transaction transaction(Conn);
    Recordset rs;
    rs.Open(orderedSelect(), Conn);
    int position = 0;
    while (!rs.Eof()) {
        items.append(ClassItem{rs.Text(nameColumn()), static_cast<qint32>(rs.Int(idColumn()))});
        rs.SetValue(orderColumn(), ++position);
        rs.Update();
        rs.MoveNext();
    }
    rs.Close();
    transaction.commit();
    return items;
}

qint32 ClassTable::add(const QString& name)
{
    Recordset rs;
    rs.Open(orderedSelect(), Conn);
    const qint32 id = AddNewWithRandomId(rs, idColumn(), [&] {
        rs.SetValue(nameColumn(), name);
        rs.SetValue(orderColumn(), NewValueOrder);
    });
    rs.Close();
    // The new row's own key: other new values may share its order and sort after it.
    return id;
}

void ClassTable::rename(qint32 id, const QString& name)
{
    Recordset rs;
    rs.Open(QStringLiteral("select * from %1 where %2=?").arg(quotedTable(), QuoteIdentifier(idColumn())),
            Conn, {id});
    if (!rs.Eof()) {
        rs.SetValue(nameColumn(), name);
        rs.Update();
    }
    rs.Close();
}

void ClassTable::saveOrder(const QList<qint32>& ids)
{
    Transaction transaction(Conn);
    Recordset rs;
    rs.Open(orderedSelect(), Conn);
    while (!rs.Eof()) {
        const qsizetype k = ids.indexOf(static_cast<qint32>(rs.Int(idColumn())));
        if (k >= 0) {
            rs.SetValue(orderColumn(), int(k + 1));
            rs.Update();
        }
        rs.MoveNext();
    }
    rs.Close();
    transaction.commit();
}

QString ClassTable::nameRefusal(const QString& tabName, const QString& caption, const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("请输入 ") + caption + QStringLiteral(" 名称！");
    // The main window joins these names with "|"; one inside a name would make the six
    // classifications unreadable and stop the program at every login.
    if (tabName.compare(SixClassTable, Qt::CaseInsensitive) == 0 && name.contains(QLatin1Char('|')))
        return QStringLiteral("请输入不含“|”的 ") + caption + QStringLiteral(" 名称！");
    return QString();
}
