// Opening the affair list: the coming days' recurring and birthday affairs are generated, then
// today's reminders listed. 10,000 recurring affairs of every kind, 100,000 clients with birthdays.
// Run by hand: build/bin/dezarod-bench --benchmark_filter=AffairListOpen
#include <benchmark/benchmark.h>

#include <QDate>
#include <QRandomGenerator>

#include "affairs/affairmanageform.h"
#include "bench/benchdb.h"
#include "core/dblayer.h"
#include "core/session.h"
#include "platform/database.h"

namespace {

constexpr int RegularCount = 10000;
constexpr int ClientCount = 100000;

QString scheduleOf(int kind, int i, QRandomGenerator& rng)
{
    switch (kind) {
    case 0:
        return QDate(2024, 1, 1).addDays(rng.bounded(365)).toString(QStringLiteral("yyyyMMdd")) +
               QStringLiteral("%1").arg(2 + i % 30, 3, 10, QLatin1Char('0'));
    case 1:
        return QString();
    case 2:
        return QString::number(1 + i % 7);
    case 3:
        return QStringLiteral("%1").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
    default: {
        const QDate day = QDate(2001, 1, 1).addDays(rng.bounded(365));
        return day.toString(QStringLiteral("MMdd"));
    }
    }
}

void fillAffairs()
{
    QRandomGenerator rng(20111);
    Statement client(
        Conn, QStringLiteral("insert into client (clientid, clientname, Birthday, createuser, createDate) "
                             "values (?, ?, ?, 1, '2024-03-01')"));
    for (int i = 1; i <= ClientCount; ++i) {
        client.reset();
        client.bind({i, QStringLiteral("客户%1").arg(i), QDate(1950, 1, 1).addDays(rng.bounded(18262))});
        client.step();
    }
    Statement regular(
        Conn, QStringLiteral("insert into AffairRegular (AffairRegularId, AffairRegularname, RegularType, "
                             "RegularData, RemainDate, GetAffairClass, GetAffairSubject, GetClient, "
                             "RegularRemark, createuser, createDate) "
                             "values (?, ?, ?, ?, ?, ?, ?, ?, ?, 1, '2024-03-01')"));
    for (int i = 1; i <= RegularCount; ++i) {
        const int kind = i % 5;
        regular.reset();
        regular.bind({i, QStringLiteral("常规事务%1").arg(i), kind, scheduleOf(kind, i, rng),
                      kind == 1 ? 0 : i % 2, 1 + i % 5, 1 + i % 5, rng.bounded(ClientCount + 1),
                      QStringLiteral("备注%1").arg(i)});
        regular.step();
    }
}

// Conn on the affairs' database, admin logged in with every user's affairs in sight.
void openBenchDatabase()
{
    UseBenchDatabase(QStringLiteral("affairs"), fillAffairs);
    CurUserID = 1;
    CurUserName = QStringLiteral("admin");
    CanSeeAllUser = true;
}

void openList()
{
    auto* form = new AffairManageForm;
    form->show();
    benchmark::DoNotOptimize(form->Grid1);
    delete form;
}

void listOpen(benchmark::State& state)
{
    openBenchDatabase();
    for (auto _ : state) {
        state.PauseTiming();
        Conn.exec(QStringLiteral("delete from affair"));
        state.ResumeTiming();
        openList();
    }
    state.counters["affairs"] =
        static_cast<double>(Conn.scalar(QStringLiteral("select count(*) from affair")).toLongLong());
}

void listOpenAgain(benchmark::State& state)
{
    openBenchDatabase();
    openList();
    for (auto _ : state)
        openList();
    state.counters["affairs"] =
        static_cast<double>(Conn.scalar(QStringLiteral("select count(*) from affair")).toLongLong());
}

const bool registered = [] {
    benchmark::RegisterBenchmark("AffairListOpen", listOpen)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("AffairListOpen/again", listOpenAgain)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
