// The Boolean tools on the 6-variable OR: its truth table and its
// minimisation, which reaches the same implicants from many pairs.
#include <benchmark/benchmark.h>

#include "boolean/boolean_ports.h"
#include "boolean/clsGroups.h"
#include "boolean/clsQuineMcCluskey.h"

namespace {

const QString kOr6 = QStringLiteral("AvBvCvDvEvF");

void BM_TruthTableOr6(benchmark::State& state)
{
    for (auto _ : state) {
        CalculatedTable table;
        clsGroups groups;
        groups.Tabelle = &table;
        groups.Term = kOr6;
        groups.CreateTabelle();
        benchmark::DoNotOptimize(table.Rows().size());
    }
}
BENCHMARK(BM_TruthTableOr6)->Unit(benchmark::kMillisecond);

void BM_QuineMcCluskeyOr6(benchmark::State& state)
{
    CalculatedTable table;
    clsGroups groups;
    groups.Tabelle = &table;
    groups.Term = kOr6;
    groups.CreateTabelle();
    for (auto _ : state) {
        TextItemList protocol;
        clsQuineMcCluskey q;
        q.Tabelle = &table;
        q.InfoDevice = &protocol;
        benchmark::DoNotOptimize(q.Vereinfache());
    }
}
BENCHMARK(BM_QuineMcCluskeyOr6)->Unit(benchmark::kMillisecond);

} // namespace
