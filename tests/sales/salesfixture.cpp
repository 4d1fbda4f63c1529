#include "tests/sales/salesfixture.h"

#include <thread>

#include <QThread>

#include <QListWidget>
#include <QPushButton>

#include "clients/quickselcompanyform.h"
#include "core/dblayer.h"
#include "platform/grid.h"
#include "core/session.h"
#include "platform/database.h"
#include "tests/support/testrows.h"

void SalesTest::addProduct(qint32 id, const QString& name, double sell, double cost, const QString& pinyin,
                           const QString& nameEn)
{
    Conn.exec(QStringLiteral("insert into product (productid, productname, ProductNameEn, ProductPinyin, "
                             "ProductSell, ProductCost, createuser) values (?, ?, ?, ?, ?, ?, 1)"),
              {id, name, nameEn, pinyin, sell, cost});
}

void SalesTest::addBundle(qint32 id, const QString& name, const QList<QPair<qint32, qint32>>& members,
                          const QString& pinyin)
{
    Conn.exec(
        QStringLiteral("insert into productmul (productmulid, ProductMulName, ProductMulPinyin, createuser) "
                       "values (?, ?, ?, 1)"),
        {id, name, pinyin});
    for (const auto& [product, count] : members) {
        Conn.exec(QStringLiteral("insert into ProductSinMul (ProductSinMulid, GetProductMul, GetProductSin, "
                                 "GetProductSinCount) values (?, ?, ?, ?)"),
                  {NewRandomId(QStringLiteral("ProductSinMul"), QStringLiteral("ProductSinMulid")), id,
                   product, count});
    }
}

void SalesTest::addCompany(qint32 id, const QString& name)
{
    Conn.exec(QStringLiteral("insert into company (companyid, companyname, createuser) values (?, ?, 1)"),
              {id, name});
}

void SalesTest::addClient(qint32 id, const QString& name, qint32 company)
{
    AddClientRow(id, name, 1, {{QStringLiteral("GetCompany"), company}});
}

int SalesTest::count(const QString& sql, const QVariantList& params)
{
    return Conn.scalar(sql, params).toInt();
}

QStringList SalesTest::rows(const QString& sql, const QVariantList& params)
{
    QStringList result;
    Statement st(Conn, sql);
    st.bind(params);
    while (st.step()) {
        QStringList cells;
        for (int c = 0; c < st.columnCount(); ++c)
            cells.append(st.value(c).toString());
        result.append(cells.join(QLatin1Char('|')));
    }
    return result;
}

void SalesTest::saveWhileAnotherUserWrites(const QString& otherWrite, const std::function<void()>& save)
{
    Database other;
    other.open(DatabasePath(), DatabasePassword);
    other.exec(QStringLiteral("BEGIN IMMEDIATE"));
    other.exec(otherWrite);
    std::thread saver(save);
    // The save now waits for the other user's lock.
    QThread::msleep(300);
    other.exec(QStringLiteral("COMMIT"));
    saver.join();
    other.close();
}

void SalesTest::whenPartyPicker(qint32 id)
{
    WhenModal<QuickSelCompanyForm>([id](QuickSelCompanyForm* picker) {
        for (int i = 0; i < picker->List1->count(); ++i) {
            if (picker->List1->item(i)->data(Qt::UserRole).toInt() == id)
                picker->List1->setCurrentRow(i);
        }
        picker->Command1->click();
    });
}

QStringList SalesTest::gridColumn(const Grid* grid, int col)
{
    QStringList texts;
    for (int r = 1; r < grid->Rows(); ++r)
        texts << grid->text(r, col);
    return texts;
}

QStringList SalesTest::gridRows(const Grid* grid, int first, int last)
{
    if (last < 0)
        last = grid->Cols() - 1;
    QStringList rows;
    for (int r = 1; r < grid->Rows(); ++r) {
        QStringList cells;
        for (int c = first; c <= last; ++c)
            cells << grid->text(r, c);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}
