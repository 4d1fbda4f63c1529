#include "clients/listsearch.h"

#include <algorithm>
#include <vector>

#include <QHash>
#include <QVariantList>

#include "core/dblayer.h"
#include "core/session.h"
#include "platform/ansicodepage.h"
#include "platform/grid.h"

namespace {

// The rows of table the user may list, with the owner's name when the user sees every user's rows
// (rows whose owner no longer exists are not listed then, as the join drops them).
ListQuery ownedRows(const QString& columns, const QString& table, qint32 owner)
{
    ListQuery q;
    if (CanSeeAllUser) {
        q.sql = QStringLiteral("select %1, username from %2, userdata where createuser = userid")
                    .arg(columns, table);
        if (owner > 0) {
            q.sql += QStringLiteral(" and userid = ?");
            q.params << owner;
        }
    } else {
        q.sql = QStringLiteral("select %1, '' as username from %2 where createuser = ?").arg(columns, table);
        q.params << CurUserID;
    }
    return q;
}

// A search text matches anywhere in the column, case folded; it is bound, so quotes are text.
void addSearch(ListQuery& q, const QString& text, const QString& pinyinColumn, const QString& nameColumn,
               const QString& keyColumn)
{
    if (!text.isEmpty()) {
        q.sql += QStringLiteral(" and instr(lower(%1), lower(?)) > 0")
                     .arg(SearchColumn(text, pinyinColumn, nameColumn));
        q.params << text;
    }
    q.sql += QStringLiteral(" order by %1, %2").arg(pinyinColumn, keyColumn);
}

// A cell text cannot hold the TAB that separates the cells of a row.
QString cell(const QVariant& value)
{
    QString text = value.toString();
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

// The owner column: empty on the user's own rows.
QString ownerCell(const Statement& st, int createuserColumn, int usernameColumn)
{
    if (!CanSeeAllUser || st.value(createuserColumn).toLongLong() == CurUserID)
        return QString();
    return cell(st.value(usernameColumn));
}

} // namespace

QString SearchColumn(const QString& text, const QString& pinyinColumn, const QString& nameColumn)
{
    return !text.isEmpty() && IsSingleByte(text.at(0)) ? pinyinColumn : nameColumn;
}

ListQuery ClientSearchQuery(const ClientListFilter& filter)
{
    ListQuery q = ownedRows(QStringLiteral("clientid, clientname, sex, Birthday, createuser"),
                            QStringLiteral("client"), filter.owner);
    for (int i = 0; i < filter.classTables.size(); ++i) {
        const qint32 value = filter.classValues.value(i);
        if (value > 0) {
            q.sql += QStringLiteral(" and %1 = ?")
                         .arg(QuoteIdentifier(QStringLiteral("get") + filter.classTables.at(i)));
            q.params << value;
        }
    }
    addSearch(q, filter.text, QStringLiteral("ClientPinyin"), QStringLiteral("clientname"),
              QStringLiteral("clientid"));
    return q;
}

QString ClientContactsQuery(int count)
{
    QString sql =
        QStringLiteral("select ContractID, GetID, GetContractClassID, ContractData from Contract where "
                       "iscompany = 0 and GetContractClassID in (1, 2, 4, 5)");
    if (count > 0)
        sql += QStringLiteral(" and GetID in (?%1)").arg(QStringLiteral(", ?").repeated(count - 1));
    return sql;
}

namespace {

// One listed client: its own cells, then the newest entry (the highest ContractID) of each contact
// kind shown: 1 mobile, 2 telephone, 4 QQ, 5 e-mail.
struct ClientRow
{
    qint64 id;
    QString cells; // id, name, sex, birthday
    QString owner;
    QString entry[6];
    qint64 newest[6] = {};
};

void readContacts(Statement& st, std::vector<ClientRow>& rows, const QHash<qint64, qsizetype>& rowOf)
{
    while (st.step()) {
        const auto it = rowOf.constFind(st.value(1).toLongLong());
        const int kind = st.value(2).toInt();
        if (it == rowOf.cend() || kind < 1 || kind > 5)
            continue;
        ClientRow& row = rows[size_t(it.value())];
        const qint64 entryId = st.value(0).toLongLong();
        if (entryId > row.newest[kind]) {
            row.newest[kind] = entryId;
            row.entry[kind] = cell(st.value(3));
        }
    }
}

// Reads the shown contact entries of the listed clients: a few clients' entries by their ids, a
// long list's in one pass over all entries.
void readContacts(std::vector<ClientRow>& rows)
{
    QHash<qint64, qsizetype> rowOf;
    rowOf.reserve(qsizetype(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i)
        rowOf.insert(rows[i].id, qsizetype(i));
    if (rows.size() > size_t(ClientContactsBatch)) {
        Statement st(Conn, ClientContactsQuery(0));
        readContacts(st, rows, rowOf);
        return;
    }
    if (rows.empty())
        return;
    QVariantList ids;
    for (const ClientRow& row : rows)
        ids << row.id;
    Statement st(Conn, ClientContactsQuery(int(ids.size())));
    st.bind(ids);
    readContacts(st, rows, rowOf);
}

} // namespace

void SearchClients(Grid* grid, const ClientListFilter& filter)
{
    const ListQuery q = ClientSearchQuery(filter);
    std::vector<ClientRow> rows;
    {
        Statement st(Conn, q.sql);
        st.bind(q.params);
        const QString tab = QStringLiteral("\t");
        while (st.step()) {
            const QString sex = st.value(2).toLongLong() != 0 ? QStringLiteral("男") : QStringLiteral("女");
            rows.push_back({st.value(0).toLongLong(),
                            cell(st.value(0)) + tab + cell(st.value(1)) + tab + sex + tab + cell(st.value(3)),
                            ownerCell(st, 4, 5)});
        }
    }
    readContacts(rows);

    grid->setAutoRedraw(false);
    grid->setRows(1);
    const QChar tab = QLatin1Char('\t');
    // "手 机": the newest mobile entry (even an empty one), else the newest telephone entry.
    for (const ClientRow& row : rows) {
        grid->AddItem(row.cells + tab + (row.newest[1] ? row.entry[1] : row.entry[2]) + tab + row.entry[5] +
                      tab + row.entry[4] + tab + row.owner);
    }
    grid->setAutoRedraw(true);
    grid->Refresh();
}

void SearchCompanies(Grid* grid, const CompanyListFilter& filter)
{
    ListQuery q = ownedRows(QStringLiteral("companyid, companyname, CompanyShortName, createuser"),
                            QStringLiteral("company"), filter.owner);
    addSearch(q, filter.text, QStringLiteral("companyPinyin"), QStringLiteral("companyname"),
              QStringLiteral("companyid"));

    Statement st(Conn, q.sql);
    st.bind(q.params);
    grid->setAutoRedraw(false);
    grid->setRows(1);
    const QString tab = QStringLiteral("\t");
    while (st.step()) {
        grid->AddItem(cell(st.value(0)) + tab + cell(st.value(1)) + tab + cell(st.value(2)) + tab +
                      ownerCell(st, 3, 4));
    }
    grid->setAutoRedraw(true);
    grid->Refresh();
}
