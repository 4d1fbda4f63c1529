// The analysis windows over 100,000 finished orders of 20 users against the bare engine loops over
// the same queries. Run by hand: build/bin/dezarod-bench --benchmark_filter='Ranking|Trend'
#include <benchmark/benchmark.h>
#include <sqlcipher/sqlite3.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QListWidget>
#include <QRandomGenerator>

#include "analysis/analyseform.h"
#include "analysis/analyseform2.h"
#include "analysis/monthlyranking.h"
#include "analysis/monthtrend.h"
#include "controls/foxtext.h"
#include "bench/benchdb.h"
#include "core/dblayer.h"
#include "platform/grid.h"

namespace {

constexpr int OrderCount = 100000;
constexpr int UserCount = 20;
// The orders are finished over the twelve months of 2011; the ranking looks at September.
const QDate RankedMonth(2011, 9, 1);
const QDate TrendEnd(2011, 12, 1);

// UserCount users and OrderCount orders.
void fillOrders()
{
    for (int u = 2; u <= UserCount + 1; ++u) {
        Conn.exec(QStringLiteral("insert into userdata (userid, username, GetUserClassID, UserDataGetOrder) "
                                 "values (?, ?, 1, ?)"),
                  {u, QStringLiteral("销售员%1").arg(u), u});
    }
    Statement st(Conn,
                 QStringLiteral("insert into orderdata (orderid, createuser, OrderDate, overdate, OrderSell, "
                                "realsell, ordercost, orderischeck, orderisover) "
                                "values (?, ?, ?, ?, ?, ?, ?, -1, -1)"));
    auto* rng = QRandomGenerator::global();
    const QDate yearStart(2011, 1, 1);
    for (int i = 1; i <= OrderCount; ++i) {
        const QDate over = yearStart.addDays(rng->bounded(365));
        const double sell = rng->bounded(10000, 5000000) / 100.0;
        const double cost = std::round(sell * rng->bounded(50, 110)) / 100.0;
        st.reset();
        st.bind({i, 2 + rng->bounded(UserCount), over.addDays(-7), over, sell, sell, cost});
        st.step();
    }
}

// Conn on the analysis database; the analyses count every user's orders, whoever is logged in.
void openAnalysisDatabase()
{
    UseBenchDatabase(QStringLiteral("analysis"), fillOrders);
}

// Steps a prepared query with its values bound, reading every column of every row.
int stepAll(sqlite3_stmt* stmt, const QVariantList& params)
{
    sqlite3_reset(stmt);
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params.at(i);
        if (v.typeId() == QMetaType::QDate) {
            const QByteArray text = v.toDate().toString(Qt::ISODate).toUtf8();
            sqlite3_bind_text(stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
        }
    }
    int rows = 0;
    const int cols = sqlite3_column_count(stmt);
    double sum = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < cols; ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            else
                sum += sqlite3_column_double(stmt, c);
        }
        ++rows;
    }
    benchmark::DoNotOptimize(sum);
    return rows;
}

sqlite3_stmt* prepare(const QString& sql)
{
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(Conn.handle(), sql.toUtf8().constData(), -1, &stmt, nullptr);
    return stmt;
}

// The ranking window run on the sales measure: query, grid and chart.
void BM_MonthlyRanking(benchmark::State& state)
{
    openAnalysisDatabase();
    AnalyseForm form;
    form.Text3->setText(RankedMonth.toString(QStringLiteral("yyyy-MM")));
    for (auto _ : state) {
        form.AanBut_Click(MonthlyRanking::Sales);
        // The replaced chart is deleted when the event loop runs.
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["users"] = form.Grid1->Cols() - 2;
}

void BM_MonthlyRankingBare(benchmark::State& state)
{
    openAnalysisDatabase();
    sqlite3_stmt* stmt = prepare(MonthlyRanking::Sql(MonthlyRanking::Sales));
    for (auto _ : state)
        state.counters["users"] = stepAll(stmt, {RankedMonth, RankedMonth.addMonths(1)});
    sqlite3_finalize(stmt);
}

// The trend window over twelve months for every user on the sales measure.
void BM_Trend12Months(benchmark::State& state)
{
    openAnalysisDatabase();
    AnalyseForm2 form;
    form.Text3->setText(TrendEnd.toString(QStringLiteral("yyyy-MM")));
    form.SuppressRefresh = true;
    form.Combo1->setCurrentIndex(form.Combo1->findData(11));
    form.List1->selectAll();
    form.SuppressRefresh = false;
    for (auto _ : state) {
        form.AanBut_Click(MonthTrend::Sales);
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["series"] = form.List1->selectedItems().size();
}

void BM_Trend12MonthsBare(benchmark::State& state)
{
    openAnalysisDatabase();
    sqlite3_stmt* stmt = prepare(MonthTrend::Sql(MonthTrend::Sales, true));
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (int m = 0; m < 12; ++m) {
            const QDate first = TrendEnd.addMonths(m - 11);
            rows += stepAll(stmt, {first, first.addMonths(1)});
        }
    }
    state.counters["rows"] = rows;
    sqlite3_finalize(stmt);
}

} // namespace

BENCHMARK(BM_MonthlyRanking)->Name("MonthlyRanking")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthlyRankingBare)->Name("MonthlyRanking/bare")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Trend12Months)->Name("Trend12Months")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Trend12MonthsBare)->Name("Trend12Months/bare")->Unit(benchmark::kMillisecond);
