// Opening a recordset over 100,000 clients against the bare engine loop over the same query.
// Run by hand: build/bin/dezarod-bench
#include <malloc.h>

#include <benchmark/benchmark.h>
#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "core/dblayer.h"
#include "db/initdb.h"
#include "platform/database.h"
#include "platform/recordset.h"
#include "platform/transaction.h"

namespace {

constexpr int ClientCount = 100000;
const QString Query = QStringLiteral("select * from client");

// One database for the whole run, with ClientCount generated clients.
Database& benchDatabase()
{
    static QTemporaryDir dir;
    static Database db;
    if (!db.isOpen()) {
        const QString path = dir.filePath(QStringLiteral("bench.mdb"));
        BuildDatabase(path, DatabasePassword);
        db.open(path, DatabasePassword);
        Transaction tx(db);
        Statement st(db, QStringLiteral(
                             "insert into client (clientid, createDate, createuser, clientname, ClientPinyin, sex, "
                             "personcard, Birthday, zipcode, salary, address, addresscode, remark, getClientType) "
                             "values (?, '2024-03-01', 1, ?, ?, ?, ?, '1980-05-17', '361000', ?, ?, 350203, ?, ?)"));
        auto* rng = QRandomGenerator::global();
        for (int i = 1; i <= ClientCount; ++i) {
            st.reset();
            st.bind({i, QStringLiteral("客户%1").arg(i), QStringLiteral("kh%1").arg(i), (i % 2) ? -1 : 0,
                     QStringLiteral("35020319800517%1").arg(i % 10000, 4, 10, QLatin1Char('0')),
                     rng->bounded(2000, 30000), QStringLiteral("厦门市思明区某某路%1号").arg(i),
                     QStringLiteral("备注：第%1位客户").arg(i), 1 + i % 4});
            st.step();
        }
        tx.commit();
    }
    return db;
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

void BM_BareStepLoop(benchmark::State& state)
{
    Database& db = benchDatabase();
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db.handle(), "select * from client", -1, &stmt, nullptr);
        const int cols = sqlite3_column_count(stmt);
        size_t bytes = 0;
        int rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < cols; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER:
                    bytes += static_cast<size_t>(sqlite3_column_int64(stmt, c) & 1);
                    break;
                case SQLITE_FLOAT:
                    bytes += sqlite3_column_double(stmt, c) > 0;
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                    bytes += static_cast<size_t>(sqlite3_column_bytes(stmt, c));
                    break;
                default:
                    break;
                }
            }
            ++rows;
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(bytes);
        state.counters["rows"] = rows;
    }
}

void BM_RecordsetOpen(benchmark::State& state)
{
    Database& db = benchDatabase();
    size_t held = 0;
    for (auto _ : state) {
        const size_t before = heapInUse();
        Recordset rs;
        rs.Open(Query, db);
        held = heapInUse() - before;
        state.counters["rows"] = rs.RecordCount();
        benchmark::DoNotOptimize(rs.RecordCount());
    }
    state.counters["held_MB"] = static_cast<double>(held) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = static_cast<double>(peakRssKb()) / 1024.0;
}

// Opening and walking every row reading each field, as a list window does.
void BM_RecordsetWalk(benchmark::State& state)
{
    Database& db = benchDatabase();
    for (auto _ : state) {
        Recordset rs;
        rs.Open(Query, db);
        qint64 sum = 0;
        while (!rs.Eof()) {
            sum += rs.Text(QStringLiteral("clientname")).size() + rs.Int(QStringLiteral("salary"));
            rs.MoveNext();
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(BM_BareStepLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordsetOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordsetWalk)->Unit(benchmark::kMillisecond);
