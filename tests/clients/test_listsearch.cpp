#include <gtest/gtest.h>

#include "clients/listsearch.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/dberror.h"
#include "platform/grid.h"
#include "platform/transaction.h"
#include "tests/clients/clientlistdata.h"
#include "tests/support/fixtures.h"

namespace {

using ClientSearchTest = DbTest;

// Columns 1 to 7 of the first rows of the grid, one line per row.
QStringList firstRows(Grid& grid, int count)
{
    QStringList rows;
    for (int r = 1; r <= count && r < grid.Rows(); ++r) {
        QStringList cells;
        for (int c = 1; c <= 7; ++c)
            cells << grid.Cell(r, c).Text();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

// A list longer than one batch of ids reads all entries in one pass, a short one reads its clients'
// entries: both show the newest entry of each kind, whatever order the entries were stored in.
TEST_F(ClientSearchTest, LongAndShortListsShowTheSameNewestContacts)
{
    CurUserID = 1;
    {
        Transaction tx(Conn);
        AddClient(1, QStringLiteral("甲\t乙"), QStringLiteral("aaa"), 1);
        AddClient(2, QStringLiteral("丙"), QStringLiteral("aab"), 1);
        AddClient(3, QStringLiteral("丁"), QStringLiteral("aac"), 1);
        for (int i = 4; i <= ClientContactsBatch + 1; ++i)
            AddClient(i, QStringLiteral("客户%1").arg(i), QStringLiteral("k%1").arg(i), 1);
        // Client 1: a newer telephone than its mobiles, two mobiles and two e-mails out of order, a
        // company's entry under the same id.
        AddContact(900, 1, 2, QStringLiteral("tel"));
        AddContact(60, 1, 1, QStringLiteral("mobile\tnew"));
        AddContact(50, 1, 1, QStringLiteral("mobile-old"));
        AddContact(10, 1, 5, QStringLiteral("new@x.cn"));
        AddContact(5, 1, 5, QStringLiteral("old@x.cn"));
        AddContact(30, 1, 4, QStringLiteral("10001"));
        AddContact(999, 1, 1, QStringLiteral("company"), true);
        // Client 2: telephones only, and a web address.
        AddContact(7, 2, 2, QStringLiteral("tel-new"));
        AddContact(6, 2, 2, QStringLiteral("tel-old"));
        AddContact(8, 2, 3, QStringLiteral("http://x.cn"));
        // Client 3: an empty mobile still hides its telephone.
        AddContact(11, 3, 2, QStringLiteral("tel-3"));
        AddContact(12, 3, 1, QVariant());
        tx.commit();
    }
    const QStringList expected{
        QStringLiteral("1|甲 乙|男|1980-05-17|mobile new|new@x.cn|10001"),
        QStringLiteral("2|丙|男|1980-05-17|tel-new||"),
        QStringLiteral("3|丁|男|1980-05-17|||"),
    };

    Grid grid;
    grid.setCols(9);
    ClientListFilter filter;
    SearchClients(&grid, filter);
    EXPECT_EQ(grid.Rows(), ClientContactsBatch + 2);
    EXPECT_EQ(firstRows(grid, 3), expected);
    EXPECT_EQ(grid.Cell(4, 5).Text(), QString());

    filter.text = QStringLiteral("aa");
    SearchClients(&grid, filter);
    EXPECT_EQ(grid.Rows(), 4);
    EXPECT_EQ(firstRows(grid, 3), expected);

    // A search that fails leaves the grid empty and drawing again.
    Conn.exec(QStringLiteral("drop table Contract"));
    EXPECT_THROW(SearchClients(&grid, filter), DbError);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_TRUE(grid.AutoRedraw());
}
