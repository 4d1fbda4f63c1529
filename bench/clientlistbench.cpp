// The client list's search over 100,000 clients with 4 contact entries each: a typed search of two
// pinyin letters, the empty search listing every client, and the bare engine loop over the typed
// search's rows and columns. Run by hand: build/bin/dezarod-bench --benchmark_filter=ClientList
#include <benchmark/benchmark.h>
#include <sqlcipher/sqlite3.h>

#include <vector>

#include <QRandomGenerator>

#include "bench/benchdb.h"
#include "clients/listsearch.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/grid.h"

namespace {

constexpr int Clients = 100000;
const QString TypedText = QStringLiteral("qm");

// The generated clients: pinyin of three random letters, so that two typed letters match a few
// hundred clients; a mobile, a telephone, an e-mail and a QQ entry each.
void fillClients()
{
    Statement client(
        Conn, QStringLiteral("insert into client (clientid, createuser, clientname, ClientPinyin, sex, "
                             "Birthday) values (?, 1, ?, ?, ?, '1980-05-17')"));
    Statement contact(
        Conn, QStringLiteral("insert into Contract (GetID, GetContractClassID, ContractData, iscompany) "
                             "values (?, ?, ?, 0)"));
    auto* rng = QRandomGenerator::global();
    for (int i = 1; i <= Clients; ++i) {
        QString pinyin;
        for (int k = 0; k < 3; ++k)
            pinyin += QChar(u'a' + rng->bounded(26));
        client.reset();
        client.bind({i, QStringLiteral("客户%1").arg(i), pinyin, (i % 2) ? -1 : 0});
        client.step();
        const QVariantList entries[] = {{i, 1, QStringLiteral("139%1").arg(i, 8, 10, QLatin1Char('0'))},
                                        {i, 2, QStringLiteral("0592-%1").arg(i)},
                                        {i, 5, QStringLiteral("c%1@example.cn").arg(i)},
                                        {i, 4, QString::number(100000 + i)}};
        for (const QVariantList& entry : entries) {
            contact.reset();
            contact.bind(entry);
            contact.step();
        }
    }
}

// Conn on the clients' database, user 1 logged in without the right to see other users' clients.
void openClientDatabase()
{
    UseBenchDatabase(QStringLiteral("clients"), fillClients);
    CurUserID = 1;
    CanSeeAllUser = false;
}

void search(benchmark::State& state, const QString& text)
{
    openClientDatabase();
    Grid grid;
    grid.setCols(9);
    ClientListFilter filter;
    filter.text = text;
    for (auto _ : state) {
        SearchClients(&grid, filter);
        benchmark::DoNotOptimize(grid.Rows());
    }
    state.counters["rows"] = grid.Rows() - 1;
}

void ClientListSearch_typed(benchmark::State& state)
{
    search(state, TypedText);
}

void ClientListSearch_all(benchmark::State& state)
{
    search(state, QString());
}

// Steps a prepared query to its end touching every column; the first column of each row is kept.
size_t stepAll(sqlite3_stmt* stmt, std::vector<qint64>* firstColumn)
{
    const int cols = sqlite3_column_count(stmt);
    size_t bytes = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        if (firstColumn)
            firstColumn->push_back(sqlite3_column_int64(stmt, 0));
        for (int c = 0; c < cols; ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            bytes += size_t(sqlite3_column_bytes(stmt, c));
        }
    }
    sqlite3_finalize(stmt);
    return bytes;
}

// The engine alone: the typed search's client query and the contact query over its clients,
// prepared, bound and stepped, every column touched.
void ClientListSearch_bare(benchmark::State& state)
{
    openClientDatabase();
    ClientListFilter filter;
    filter.text = TypedText;
    const QByteArray sql = ClientSearchQuery(filter).sql.toUtf8();
    const QByteArray text = TypedText.toUtf8();
    std::vector<qint64> ids;
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(Conn.handle(), sql.constData(), -1, &stmt, nullptr);
        sqlite3_bind_int64(stmt, 1, CurUserID);
        sqlite3_bind_text(stmt, 2, text.constData(), int(text.size()), SQLITE_STATIC);
        ids.clear();
        size_t bytes = stepAll(stmt, &ids);
        const QByteArray contacts =
            ClientContactsQuery(ids.size() > size_t(ClientContactsBatch) ? 0 : int(ids.size())).toUtf8();
        sqlite3_prepare_v2(Conn.handle(), contacts.constData(), -1, &stmt, nullptr);
        for (size_t i = 0; i < ids.size() && ids.size() <= size_t(ClientContactsBatch); ++i)
            sqlite3_bind_int64(stmt, int(i) + 1, ids[i]);
        bytes += stepAll(stmt, nullptr);
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["rows"] = double(ids.size());
}

} // namespace

BENCHMARK(ClientListSearch_typed)->Name("ClientListSearch/typed")->Unit(benchmark::kMillisecond);
BENCHMARK(ClientListSearch_all)->Name("ClientListSearch/all")->Unit(benchmark::kMillisecond);
BENCHMARK(ClientListSearch_bare)->Name("ClientListSearch/bare")->Unit(benchmark::kMillisecond);
