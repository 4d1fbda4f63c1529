// Saving an order of 100 lines, and the order list's search over 100,000 orders of 100,000 clients
// against the bare engine loop over the same rows. Run by hand:
// build/bin/dezarod-bench --benchmark_filter=Order
#include <benchmark/benchmark.h>
#include <sqlcipher/sqlite3.h>

#include <QDate>
#include <QRadioButton>

#include "bench/benchdb.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/grid.h"
#include "sales/orderlist.h"
#include "sales/ordermanage.h"
#include "sales/orderrecord.h"

namespace {

constexpr int Clients = 100000;
constexpr int Orders = 100000;
constexpr int Companies = 1000;
constexpr int Products = 1000;
constexpr int Bundles = 200;
constexpr int MembersPerBundle = 4;

void fill(const QString& sql, int count, const std::function<QVariantList(int)>& values)
{
    Statement st(Conn, sql);
    for (int i = 1; i <= count; ++i) {
        st.reset();
        st.bind(values(i));
        st.step();
    }
}

// 5 users, 1,000 companies, 100,000 clients, 1,000 products, 200 bundles of 4 products and
// 100,000 orders, half of them finished.
void fillSales()
{
    fill(QStringLiteral("insert into userdata (userid, username, GetUserClassID) values (?, ?, 1)"), 4,
         [](int i) {
             return QVariantList{i + 1, QStringLiteral("用户%1").arg(i + 1)};
         });
    fill(QStringLiteral("insert into company (companyid, companyname, createuser) values (?, ?, 1)"),
         Companies, [](int i) {
             return QVariantList{i, QStringLiteral("公司%1").arg(i)};
         });
    fill(QStringLiteral(
             "insert into client (clientid, clientname, GetCompany, createuser) values (?, ?, ?, 1)"),
         Clients, [](int i) {
             return QVariantList{i, QStringLiteral("客户%1").arg(i), 1 + i % Companies};
         });
    fill(QStringLiteral(
             "insert into product (productid, productname, ProductSell, ProductCost) values (?, ?, ?, ?)"),
         Products, [](int i) {
             return QVariantList{i, QStringLiteral("商品%1").arg(i), 1.25 * i, 0.75 * i};
         });
    fill(QStringLiteral("insert into productmul (productmulid, ProductMulName) values (?, ?)"), Bundles,
         [](int i) {
             return QVariantList{i, QStringLiteral("组合%1").arg(i)};
         });
    fill(QStringLiteral("insert into ProductSinMul (ProductSinMulid, GetProductMul, GetProductSin, "
                        "GetProductSinCount) values (?, ?, ?, ?)"),
         Bundles * MembersPerBundle, [](int i) {
             return QVariantList{i, 1 + (i - 1) / MembersPerBundle, 1 + (i * 37) % Products, 1 + i % 3};
         });
    const QDate first(2020, 1, 1);
    fill(QStringLiteral(
             "insert into orderdata (orderid, createuser, GetCompany, GetClient, OrderDate, OrderSell, "
             "realsell, ordercost, orderischeck, orderisover) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
         Orders, [&first](int i) {
             const double sell = 100 + i % 997;
             return QVariantList{i,    1 + i % 5, 1 + i % Companies, i,          first.addDays(i % 1500),
                                 sell, sell - 5,  sell * 0.6,        i % 2 == 1, i % 2 == 1};
         });
}

// Conn on the sales database, user 1 logged in with every user's orders in sight.
void openSalesDatabase()
{
    UseBenchDatabase(QStringLiteral("sales"), fillSales);
    CurUserID = 1;
    CanSeeAllUser = true;
}

// 100 lines: 67 single products and 33 bundles.
QList<OrderLine> orderLines()
{
    QList<OrderLine> lines;
    for (int i = 0; i < 100; ++i) {
        const bool bundle = i % 3 == 2;
        const qint32 id = bundle ? 1 + (i * 7) % Bundles : 1 + (i * 13) % Products;
        lines.append({0, bundle, id, QString(), 1 + i % 5, true});
    }
    return lines;
}

void OrderSave(benchmark::State& state)
{
    openSalesDatabase();
    OrderForm form;
    form.ClientId = 12;
    form.CompanyId = 13;
    form.orderDate = QDate(2026, 12, 8);
    form.lines = orderLines();
    static qint32 next = Orders + 1;
    for (auto _ : state) {
        form.number = QString::number(next++);
        const ErrorList errors = SaveOrder(form);
        benchmark::DoNotOptimize(errors.isEmpty());
    }
    state.counters["expanded"] =
        Conn.scalar(QStringLiteral("select count(*) from OrderProSin where GetOrderID = ?"), {next - 1})
            .toDouble();
}

OrderListFilter allOrders()
{
    OrderListFilter filter;
    filter.state = OrderListFilter::All;
    return filter;
}

void OrderListSearch(benchmark::State& state)
{
    openSalesDatabase();
    OrderManage list;
    list.resize(900, 620);
    list.Form_Load();
    list.Option1[2]->setChecked(true);
    for (auto _ : state) {
        list.RefreshOrderList();
        benchmark::DoNotOptimize(list.Grid1->Rows());
    }
    state.counters["rows"] = list.Grid1->Rows() - 1;
}

void OrderListSearch_bare(benchmark::State& state)
{
    openSalesDatabase();
    const QByteArray sql = OrderListQuery(allOrders()).sql.toUtf8();
    int rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(Conn.handle(), sql.constData(), -1, &stmt, nullptr);
        const int cols = sqlite3_column_count(stmt);
        rows = 0;
        size_t bytes = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < cols; ++c) {
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                bytes += size_t(sqlite3_column_bytes(stmt, c));
            }
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["rows"] = rows;
}

} // namespace

// The list first, so that it runs over exactly the generated orders.
BENCHMARK(OrderListSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(OrderListSearch_bare)->Name("OrderListSearch/bare")->Unit(benchmark::kMillisecond);
BENCHMARK(OrderSave)->Unit(benchmark::kMillisecond);
