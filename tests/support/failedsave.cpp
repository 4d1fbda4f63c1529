#include "tests/support/failedsave.h"

#include <gtest/gtest.h>

#include "core/dblayer.h"
#include "platform/database.h"
#include "platform/dberror.h"

namespace {

const QString RefusalText = QStringLiteral("write refused by the test");

QString valueText(const QVariant& value)
{
    if (!value.isValid())
        return QStringLiteral("NULL");
    if (value.typeId() == QMetaType::QByteArray)
        return QStringLiteral("x'%1'").arg(QString::fromLatin1(value.toByteArray().toHex()));
    // Quoted, so that an empty text and a Null stay apart.
    return QLatin1Char('\'') + value.toString() + QLatin1Char('\'');
}

QStringList rowsOf(const QString& table)
{
    QStringList rows;
    Statement select(Conn,
                     QStringLiteral("select rowid, * from %1 order by rowid").arg(QuoteIdentifier(table)));
    while (select.step()) {
        QStringList values;
        for (int c = 0; c < select.columnCount(); ++c)
            values << valueText(select.value(c));
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

QMap<QString, QStringList> DatabaseRows()
{
    QStringList tables;
    {
        Statement names(Conn, QStringLiteral("select name from sqlite_master where type = 'table' and "
                                             "name not like 'sqlite%' order by name"));
        while (names.step())
            tables << names.value(0).toString();
    }
    QMap<QString, QStringList> rows;
    for (const QString& table : tables)
        rows.insert(table, rowsOf(table));
    return rows;
}

void ExpectEachSaveLeavesNoTrace(const QList<FailingSave>& saves)
{
    for (const FailingSave& failing : saves) {
        SCOPED_TRACE(failing.what.toStdString());
        // A temporary trigger: the file's own schema stays as it is.
        Conn.exec(
            QStringLiteral("create temp trigger refused before %1 on main.%2 %3 begin "
                           "select raise(abort, '%4'); end")
                .arg(failing.event, QuoteIdentifier(failing.table),
                     failing.condition.isEmpty() ? QString() : QStringLiteral("when ") + failing.condition,
                     RefusalText));
        const QMap<QString, QStringList> before = DatabaseRows();
        try {
            failing.save();
            ADD_FAILURE() << "the save ended without an error";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(RefusalText)) << e.message().toStdString();
        }
        EXPECT_EQ(Conn.transactionDepth(), 0);
        const QMap<QString, QStringList> after = DatabaseRows();
        for (auto table = before.cbegin(); table != before.cend(); ++table)
            EXPECT_EQ(after.value(table.key()), table.value()) << "table " << table.key().toStdString();
        Conn.exec(QStringLiteral("drop trigger temp.refused"));
    }
}
