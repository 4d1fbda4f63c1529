#include "clients/listsearch.h"

#include <cstring>
#include <exception>
#include <vector>

#include <QHash>
#include <QVariantList>

#include "clients/namesearch.h"
#include "core/dblayer.h"
#include "core/session.h"
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
    const NameSearch search = NameSearchCondition(text, pinyinColumn, nameColumn);
    if (!search.condition.isEmpty()) {
        q.sql += QStringLiteral(" and ") + search.condition;
        q.params += search.params;
    }
    q.sql += QStringLiteral(" order by %1, %2").arg(pinyinColumn, keyColumn);
}

// The text of a list cell read in place from a column (Null as empty); a TAB shows as a space, as
// it did in the grid's TAB-separated rows. Valid until the statement steps on.
class CellText
{
public:
    CellText() = default;
    CellText(const Statement& st, int column)
    {
        const QUtf8StringView utf8 = st.utf8(column);
        m_view = utf8;
        if (!utf8.isEmpty() && std::memchr(utf8.data(), '\t', size_t(utf8.size()))) {
            m_copy = utf8.toString().replace(QLatin1Char('\t'), QLatin1Char(' '));
            m_view = m_copy;
        }
    }
    CellText(const CellText&) = delete;
    CellText& operator=(const CellText&) = delete;
    operator QAnyStringView() const { return m_view; }

private:
    QAnyStringView m_view;
    QString m_copy;
};

// The owner column: empty on the user's own rows.
CellText ownerCell(const Statement& st, int createuserColumn, int usernameColumn)
{
    if (!CanSeeAllUser || st.integer(createuserColumn) == CurUserID)
        return CellText();
    return CellText(st, usernameColumn);
}

} // namespace

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

// Fills a grid with redrawing off, as one change; a search that fails leaves the grid empty.
class GridFill
{
public:
    explicit GridFill(Grid* grid) : m_grid(grid), m_exceptions(std::uncaught_exceptions())
    {
        m_grid->setAutoRedraw(false);
        m_grid->setRows(1);
    }
    ~GridFill()
    {
        if (std::uncaught_exceptions() > m_exceptions)
            m_grid->setRows(1);
        m_grid->setAutoRedraw(true);
        m_grid->Refresh();
    }
    GridFill(const GridFill&) = delete;
    GridFill& operator=(const GridFill&) = delete;

private:
    Grid* m_grid;
    int m_exceptions;
};

// The contact columns of one listed client: the newest entry (the highest ContractID) of each kind
// shown that was read so far. "手 机" shows the newest mobile entry (even an empty one), else the
// newest telephone entry.
class ContactColumns
{
public:
    // Takes one entry of the client shown in grid row row.
    void offer(GridModel* grid, int row, qint64 kind, qint64 entryId, const Statement& st, int textColumn)
    {
        const auto take = [&](int shown, int column) {
            if (found[shown] && entryId <= newest[shown])
                return;
            found[shown] = true;
            newest[shown] = entryId;
            grid->setText(row, column, CellText(st, textColumn));
        };
        switch (kind) {
        case 1:
            take(Mobile, 5);
            break;
        case 2:
            if (!found[Mobile])
                take(Telephone, 5);
            break;
        case 5:
            take(Email, 6);
            break;
        case 4:
            take(QQ, 7);
            break;
        default:
            break;
        }
    }

private:
    enum Shown
    {
        Mobile,
        Telephone,
        Email,
        QQ,
        Kinds
    };
    qint64 newest[Kinds];
    bool found[Kinds] = {};
};

// Fills the contact columns of the listed clients (grid rows 1, 2, ... in the order of ids): a few
// clients' entries by their ids, a long list's in one pass over all entries.
void fillContacts(Grid* grid, const std::vector<qint64>& ids)
{
    if (ids.empty())
        return;
    QHash<qint64, int> rowOf;
    rowOf.reserve(qsizetype(ids.size()));
    for (size_t i = 0; i < ids.size(); ++i)
        rowOf.insert(ids[i], int(i));
    const bool all = ids.size() > size_t(ClientContactsBatch);
    Statement st(Conn, ClientContactsQuery(all ? 0 : int(ids.size())));
    if (!all) {
        QVariantList params;
        params.reserve(qsizetype(ids.size()));
        for (qint64 id : ids)
            params << id;
        st.bind(params);
    }
    std::vector<ContactColumns> columns(ids.size());
    while (st.step()) {
        const RowLock lock(st.handle());
        const auto it = rowOf.constFind(st.integer(1));
        if (it != rowOf.cend())
            columns[size_t(it.value())].offer(grid->gridModel(), it.value() + 1, st.integer(2), st.integer(0),
                                              st, 3);
    }
}

} // namespace

void SearchClients(Grid* grid, const ClientListFilter& filter)
{
    const ListQuery q = ClientSearchQuery(filter);
    GridFill fill(grid);
    std::vector<qint64> ids;
    {
        Statement st(Conn, q.sql);
        st.bind(q.params);
        const QString male = QStringLiteral("男");
        const QString female = QStringLiteral("女");
        while (st.step()) {
            const RowLock lock(st.handle());
            ids.push_back(st.integer(0));
            grid->AddRow({CellText(st, 0),
                          CellText(st, 1),
                          st.integer(2) != 0 ? male : female,
                          CellText(st, 3),
                          {},
                          {},
                          {},
                          ownerCell(st, 4, 5)});
        }
    }
    fillContacts(grid, ids);
}

void SearchCompanies(Grid* grid, const CompanyListFilter& filter)
{
    ListQuery q = ownedRows(QStringLiteral("companyid, companyname, CompanyShortName, createuser"),
                            QStringLiteral("company"), filter.owner);
    addSearch(q, filter.text, QStringLiteral("companyPinyin"), QStringLiteral("companyname"),
              QStringLiteral("companyid"));

    Statement st(Conn, q.sql);
    st.bind(q.params);
    GridFill fill(grid);
    while (st.step()) {
        const RowLock lock(st.handle());
        grid->AddRow({CellText(st, 0), CellText(st, 1), CellText(st, 2), ownerCell(st, 3, 4)});
    }
}
