// The Boolean tools at the sizes the window accepts: truth tables of terms
// with up to 14 variables and of long terms, and the minimisation of the
// largest implicant lists (the OR of all variables reaches every implicant
// from many pairs; the AND pairs give many prime implicants).
#include <benchmark/benchmark.h>

#include "boolean/boolean_ports.h"
#include "boolean/clsGroups.h"
#include "boolean/clsQuineMcCluskey.h"

namespace {

// "AvBv...", over the first n letters.
QString OrOf(int n)
{
    QString t;
    for (int k = 0; k < n; ++k)
        t += (k > 0 ? QStringLiteral("v") : QString()) + QChar(u'A' + k);
    return t;
}

// "A&BvC&Dv...", pairs of the first 2 * pairs letters.
QString PairsOf(int pairs)
{
    QString t;
    for (int k = 0; k < pairs; ++k)
        t += (k > 0 ? QStringLiteral("v") : QString()) + QChar(u'A' + 2 * k) + u'&' + QChar(u'A' + 2 * k + 1);
    return t;
}

// `first` then `step` repeated until the term has `length` characters.
QString Repeated(const QString& first, const QString& step, int length)
{
    QString t = first;
    while (t.size() < length)
        t += step;
    return t;
}

void Tabulate(const QString& term, CalculatedTable& table)
{
    clsGroups groups;
    groups.Tabelle = &table;
    groups.Term = term;
    groups.CreateTabelle();
}

void TruthTable(benchmark::State& state, const QString& term)
{
    for (auto _ : state) {
        CalculatedTable table;
        Tabulate(term, table);
        benchmark::DoNotOptimize(table.Rows().size());
    }
}

void Minimise(benchmark::State& state, const QString& term)
{
    CalculatedTable table;
    Tabulate(term, table);
    for (auto _ : state) {
        TextItemList protocol;
        clsQuineMcCluskey q;
        q.Tabelle = &table;
        q.InfoDevice = &protocol;
        benchmark::DoNotOptimize(q.Vereinfache());
    }
}

struct NamedTerm {
    const char* name;
    QString term;
};

void Register(const char* benchmark, void (*run)(benchmark::State&, const QString&),
              std::initializer_list<NamedTerm> terms)
{
    for (const NamedTerm& t : terms)
        benchmark::RegisterBenchmark((std::string(benchmark) + "/" + t.name).c_str(), run, t.term)
            ->Unit(benchmark::kMillisecond);
}

const bool registered = [] {
    Register("BM_TruthTable", TruthTable,
             {{"Or6", OrOf(6)},
              {"Pairs6", PairsOf(3)},
              {"Pairs12", PairsOf(6)},
              {"Or14", OrOf(14)},
              {"Pairs14", PairsOf(7)},
              // Long terms of few variables: 10,001 and 12,003 characters.
              {"AndChain10001", Repeated(QStringLiteral("A"), QStringLiteral("&A"), 10001)},
              {"OrChain12003", Repeated(QStringLiteral("AvB"), QStringLiteral("vAvB"), 12003)}});
    Register("BM_QuineMcCluskey", Minimise,
             {{"Or6", OrOf(6)},
              {"Pairs12", PairsOf(6)},
              {"Or12", OrOf(12)},
              {"Pairs14", PairsOf(7)},
              {"Or14", OrOf(14)}});
    return true;
}();

} // namespace
