// Opening a recordset over 100,000 clients against the bare engine loop over the same query.
// Run by hand: build/bin/dezarod-bench
#include <malloc.h>

#include <benchmark/benchmark.h>
#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QRandomGenerator>

#include "bench/benchdb.h"
#include "core/dblayer.h"
#include "platform/database.h"
#include "platform/recordset.h"

namespace {

constexpr int ClientCount = 100000;
const QString Query = QStringLiteral("select * from client");

// ClientCount generated clients.
void fillClients()
{
    Statement st(Conn,
                 QStringLiteral(
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
}

// The recordset group's database on the connection Conn.
Database& benchDatabase()
{
    UseBenchDatabase(QStringLiteral("recordset"), fillClients);
    return Conn;
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// A line of /proc/self/status in kB (Linux), 0 when there is none.
long statusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// The peak resident size starts again from the present one, so that the peak is the benchmark's
// own and not that of the groups run before it in the same process.
void resetPeakRss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
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
    resetPeakRss();
    const long startKb = statusKb("VmRSS:");
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
    // How far the resident size rose above where it stood when the benchmark began.
    state.counters["peak_rise_MB"] = static_cast<double>(statusKb("VmHWM:") - startKb) / 1024.0;
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
