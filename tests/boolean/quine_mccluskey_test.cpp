// The minimiser: its result is exactly the OR of all prime implicants, its
// protocol lines are those of the method that keeps every copy.
#include <gtest/gtest.h>

#include "boolean/boolean_ports.h"
#include "boolean/clsGroups.h"
#include "boolean/clsQuineMcCluskey.h"
#include "platform/numeric.h"
#include "support/term_oracle.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <map>
#include <random>
#include <set>

namespace {

// A table as the term checker leaves it, rows in the order given by the
// input bits of each row (bit n-1-c is column c) and the function's value
// of each input.
void FillTable(CalculatedTable& table, int n, const std::vector<int>& rows, const std::function<bool(int)>& value)
{
    table.ClearColumns();
    table.ClearRows();
    for (int c = 0; c < n; ++c)
        table.AddColumn(QString(QChar(u'A' + c)), QString(QChar(u'A' + c)), 130);
    table.AddColumn(QStringLiteral("Result"), QStringLiteral(" ="), 200);
    for (int r : rows) {
        QStringList cells;
        for (int c = 0; c < n; ++c)
            cells << (((r >> (n - 1 - c)) & 1) ? QStringLiteral("1") : QStringLiteral("0"));
        cells << (value(r) ? QStringLiteral(" 1") : QStringLiteral(" 0"));
        table.AddRow(cells);
    }
}

std::function<bool(int)> Bits(uint64_t f)
{
    return [f](int r) { return ((f >> r) & 1u) != 0; };
}

std::vector<int> CountingRows(int n)
{
    std::vector<int> rows;
    for (int r = 0; r < (1 << n); ++r)
        rows.push_back(r);
    return rows;
}

QString Minimise(const CalculatedTable& table, QStringList* log = nullptr)
{
    TextItemList protocol;
    clsQuineMcCluskey q;
    q.Tabelle = &table;
    q.InfoDevice = log ? &protocol : nullptr;
    const QString result = q.Vereinfache();
    if (log)
        *log = protocol.items;
    return result;
}

// A cube as text over n variables: per column "1", "0" or "-".
using Cube = std::string;

// Every cube over n variables with the rows (bit r) it covers.
struct CubeTable {
    std::vector<Cube> cubes;
    std::vector<uint64_t> rows;
    std::vector<std::vector<std::size_t>> wider; // the cubes with one more dash
};

const CubeTable& Cubes(int n)
{
    static std::vector<CubeTable> tables(7);
    CubeTable& t = tables[static_cast<std::size_t>(n)];
    if (!t.cubes.empty())
        return t;
    int count = 1;
    for (int k = 0; k < n; ++k)
        count *= 3;
    for (int code = 0; code < count; ++code) {
        Cube c(static_cast<std::size_t>(n), '-');
        for (int k = n - 1, rest = code; k >= 0; --k, rest /= 3)
            c[static_cast<std::size_t>(k)] = "01-"[rest % 3];
        uint64_t rows = 0;
        for (int r = 0; r < (1 << n); ++r) {
            bool inside = true;
            for (int k = 0; k < n && inside; ++k) {
                const char bit = ((r >> (n - 1 - k)) & 1) ? '1' : '0';
                inside = c[static_cast<std::size_t>(k)] == '-' || c[static_cast<std::size_t>(k)] == bit;
            }
            if (inside)
                rows |= uint64_t{1} << r;
        }
        t.cubes.push_back(c);
        t.rows.push_back(rows);
    }
    for (const Cube& c : t.cubes) {
        std::vector<std::size_t> wider;
        for (std::size_t k = 0; k < c.size(); ++k) {
            if (c[k] == '-')
                continue;
            Cube w = c;
            w[k] = '-';
            wider.push_back(static_cast<std::size_t>(std::find(t.cubes.begin(), t.cubes.end(), w) - t.cubes.begin()));
        }
        t.wider.push_back(wider);
    }
    return t;
}

// All prime implicants of f (bit r: the value of row r) by brute force: the
// cubes inside f that cannot be widened by one more dash; bit c stands for
// cube c of Cubes(n).
std::vector<bool> PrimeImplicants(int n, uint64_t f)
{
    const CubeTable& t = Cubes(n);
    auto implies = [&](std::size_t c) { return (t.rows[c] & ~f) == 0; };
    std::vector<bool> primes(t.cubes.size());
    for (std::size_t c = 0; c < t.cubes.size(); ++c) {
        if (!implies(c))
            continue;
        bool prime = true;
        for (std::size_t w : t.wider[c])
            prime = prime && !implies(w);
        primes[c] = prime;
    }
    return primes;
}

// The products of a result term read back as cubes of Cubes(n); false when
// a product is not a cube or comes twice.
bool ResultCubes(int n, const QString& result, std::vector<bool>& cubes)
{
    cubes.assign(Cubes(n).cubes.size(), false);
    if (result == QStringLiteral("0"))
        return true;
    std::vector<int> digits(static_cast<std::size_t>(n), 2); // "-" per column
    bool negated = false;
    for (QChar c : result) {
        if (c == u'<') {
            negated = true;
        } else if (c >= u'A' && c <= u'Z') {
            digits[static_cast<std::size_t>(c.unicode() - u'A')] = negated ? 0 : 1;
            negated = false;
        } else if (c == u')') {
            int code = 0;
            for (int d : digits)
                code = code * 3 + d;
            if (cubes[static_cast<std::size_t>(code)])
                return false;
            cubes[static_cast<std::size_t>(code)] = true;
            std::fill(digits.begin(), digits.end(), 2);
        }
    }
    return true;
}

QString CubeList(int n, const std::vector<bool>& cubes)
{
    QStringList list;
    for (std::size_t c = 0; c < cubes.size(); ++c) {
        if (cubes[c])
            list << QString::fromStdString(Cubes(n).cubes[c]);
    }
    return list.join(u' ');
}

// The result of a table of function f is the OR of all its prime implicants.
void ExpectAllPrimes(const QString& result, int n, uint64_t f)
{
    const std::vector<bool> expected = PrimeImplicants(n, f);
    std::vector<bool> found;
    ASSERT_TRUE(ResultCubes(n, result, found)) << result.toStdString();
    ASSERT_EQ(found, expected) << n << " variables, function " << f << ": " << result.toStdString() << " primes "
                               << CubeList(n, expected).toStdString();
}

// The minimiser as it was before merge partners were looked up: every pair
// of records of neighbouring groups is tried. Kept as the reference whose
// result and protocol the minimiser must reproduce.
namespace reference {

struct Implicant {
    uint32_t one = 0;
    uint32_t dash = 0;
    int ones = 0;
    bool used = false;
    double count = 1;
};

uint64_t Key(const Implicant& m)
{
    return (uint64_t{m.dash} << 32) | m.one;
}

bool MergePass(std::vector<Implicant>& current, std::vector<Implicant>& primes, QStringList& log)
{
    std::vector<Implicant> next;
    std::map<uint64_t, std::size_t> index;
    std::vector<double> position(current.size() + 1, 1);
    for (std::size_t k = 0; k < current.size(); ++k) {
        current[k].used = false;
        position[k + 1] = position[k] + current[k].count;
    }
    const std::size_t size = current.size();
    int highest = 0;
    for (const auto& m : current)
        highest = std::max(highest, m.ones);
    auto firstWith = [&](int ones, std::size_t from) {
        while (from < size && current[from].ones != ones)
            ++from;
        return from;
    };
    for (int g = 0; g < highest; ++g) {
        const std::size_t first = firstWith(g, 0);
        const std::size_t nextGroup = firstWith(g + 1, 0);
        const std::size_t after = firstWith(g + 2, nextGroup < size ? nextGroup : 0);
        log << QStringLiteral("Gruppe:") + Str(g) + QStringLiteral("  SnG:")
                   + Str(nextGroup < size ? position[nextGroup] : 0) + QStringLiteral("  EnG:")
                   + Str(after < size ? position[after] - 1 : position[size] - 1);
        for (std::size_t i = first; nextGroup < size && i < size && current[i].ones == g; ++i) {
            for (std::size_t j = nextGroup; j < after; ++j) {
                const uint32_t differ = (current[i].dash ^ current[j].dash) | (current[i].one ^ current[j].one);
                if (differ == 0 || (differ & (differ - 1)) != 0)
                    continue;
                Implicant merged{current[i].one & ~differ, current[i].dash | differ, 0, false,
                                 current[i].count * current[j].count};
                merged.ones = std::popcount(merged.one);
                const auto [at, added] = index.emplace(Key(merged), next.size());
                if (added)
                    next.push_back(merged);
                else
                    next[at->second].count += merged.count;
                current[i].used = current[j].used = true;
            }
        }
    }
    for (const auto& m : current) {
        if (!m.used)
            primes.push_back(m);
    }
    if (next.empty())
        return false;
    current = std::move(next);
    double total = 0;
    for (const auto& m : current)
        total += m.count;
    log << QStringLiteral("Gekürzte Tabelle:") + Str(total);
    return true;
}

// The result term of a table as the window calculates it, and the protocol.
QString Minimise(const CalculatedTable& table, QStringList& log)
{
    const int n = static_cast<int>(table.Columns().size()) - 1;
    log = QStringList{QStringLiteral("Wertetabelle wird erstellt"), QStringLiteral("Wertetabelle OK")};
    std::vector<Implicant> current, primes;
    for (const QStringList& row : table.Rows()) {
        Implicant m;
        for (int c = 0; c < n; ++c) {
            if (row[c] == QStringLiteral("1")) {
                m.one |= 1u << c;
                ++m.ones;
            }
        }
        if (row[n] == QStringLiteral(" 1"))
            current.push_back(m);
    }
    log << Str(static_cast<double>(current.size())) + QStringLiteral(" Vollkonjunktionen gefunden");
    if (!current.empty()) {
        std::stable_sort(current.begin(), current.end(), [](const auto& a, const auto& b) { return a.ones < b.ones; });
        log << QStringLiteral("Gruppen sind sortiert");
    }
    while (MergePass(current, primes, log)) {
    }
    std::set<uint64_t> seen;
    QStringList products;
    for (const Implicant& m : primes) {
        if (!seen.insert(Key(m)).second)
            continue;
        QString p;
        for (int k = 0; k < n; ++k) {
            const QString name = table.Columns()[static_cast<std::size_t>(k)].text;
            if ((m.dash >> k) & 1u)
                continue;
            p += (m.one >> k) & 1u ? name : QStringLiteral("<") + name + QStringLiteral(">");
            if (k < n - 1 && !((m.dash >> (k + 1)) & 1u))
                p += u'&';
        }
        products << QStringLiteral("(") + p + QStringLiteral(")");
    }
    return products.isEmpty() ? QStringLiteral("0") : products.join(u'v');
}

} // namespace reference

// The minimiser gives the reference's result and protocol for the table;
// the result.
QString ExpectSameAsReference(const CalculatedTable& table)
{
    QStringList log;
    const QString result = Minimise(table, &log);
    QStringList expectedLog;
    EXPECT_EQ(result, reference::Minimise(table, expectedLog));
    EXPECT_EQ(log, expectedLog);
    return result;
}

TEST(QuineMcCluskey, EdgeCasesAndProtocol)
{
    struct Case {
        int n;
        uint64_t f; // bit r: row r of the inputs counted in binary
        const char* result;
        QStringList log;
    };
    const QStringList start{"Wertetabelle wird erstellt", "Wertetabelle OK"};
    const Case cases[] = {
        {2, 0b1000, "(A&B)",
         start + QStringList{" 1 Vollkonjunktionen gefunden", "Gruppen sind sortiert", "Gruppe: 0  SnG: 0  EnG: 0",
                             "Gruppe: 1  SnG: 1  EnG: 1"}},
        {2, 0b1110, "(B)v(A)",
         start + QStringList{" 3 Vollkonjunktionen gefunden", "Gruppen sind sortiert", "Gruppe: 0  SnG: 1  EnG: 2",
                             "Gruppe: 1  SnG: 3  EnG: 3", "Gekürzte Tabelle: 2", "Gruppe: 0  SnG: 1  EnG: 2"}},
        {2, 0, "0", start + QStringList{" 0 Vollkonjunktionen gefunden"}},
        {2, 0b1111, "()",
         start + QStringList{" 4 Vollkonjunktionen gefunden", "Gruppen sind sortiert", "Gruppe: 0  SnG: 2  EnG: 3",
                             "Gruppe: 1  SnG: 4  EnG: 4", "Gekürzte Tabelle: 4", "Gruppe: 0  SnG: 3  EnG: 4",
                             "Gekürzte Tabelle: 2"}},
        // A OR B OR C: the full cube "--1" is reached from several pairs; the
        // counts are those of the list that keeps every copy.
        {3, 0b11111110, "(C)v(B)v(A)",
         start + QStringList{" 7 Vollkonjunktionen gefunden", "Gruppen sind sortiert", "Gruppe: 0  SnG: 1  EnG: 3",
                             "Gruppe: 1  SnG: 4  EnG: 6", "Gruppe: 2  SnG: 7  EnG: 7", "Gekürzte Tabelle: 9",
                             "Gruppe: 0  SnG: 1  EnG: 6", "Gruppe: 1  SnG: 7  EnG: 9", "Gekürzte Tabelle: 6",
                             "Gruppe: 0  SnG: 1  EnG: 6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        CalculatedTable table;
        FillTable(table, c.n, CountingRows(c.n), Bits(c.f));
        QStringList log;
        EXPECT_EQ(Minimise(table, &log), QString::fromLatin1(c.result));
        EXPECT_EQ(log, c.log);
    }
}

TEST(QuineMcCluskey, EveryFunctionUpToFourVariablesGivesAllPrimesAsTheReferenceDoes)
{
    for (int n = 1; n <= 4; ++n) {
        CalculatedTable table;
        FillTable(table, n, CountingRows(n), Bits(0));
        // In Gray-code order each function differs from the one before in
        // one row, so the table changes by one cell.
        const uint64_t functions = uint64_t{1} << (1 << n);
        for (uint64_t k = 0; k < functions; ++k) {
            const uint64_t f = k ^ (k >> 1);
            if (k > 0) {
                const int row = std::countr_zero(f ^ ((k - 1) ^ ((k - 1) >> 1)));
                table.SetCell(row, n, ((f >> row) & 1u) ? QStringLiteral(" 1") : QStringLiteral(" 0"));
            }
            ExpectAllPrimes(ExpectSameAsReference(table), n, f);
            if (testing::Test::HasFailure())
                return;
        }
    }
}

TEST(QuineMcCluskey, RandomFunctionsOfFiveToTenVariablesGiveTheReferenceResultAndProtocol)
{
    std::mt19937 rng(27);
    // Fewer of the larger ones, whose reference takes longest.
    for (int k = 0; k < 2000; ++k) {
        const int n = k < 1800 ? 5 + k % 4 : k < 1930 ? 9 : 10;
        std::bernoulli_distribution one(std::uniform_real_distribution<double>(0.05, 0.95)(rng));
        std::vector<bool> values(size_t{1} << n);
        for (size_t r = 0; r < values.size(); ++r)
            values[r] = one(rng);
        std::vector<int> rows = CountingRows(n);
        // Any row order: the order of the rows decides the order of the products.
        if (k % 2 == 1)
            std::shuffle(rows.begin(), rows.end(), rng);
        CalculatedTable table;
        FillTable(table, n, rows, [&](int r) { return values[static_cast<size_t>(r)]; });
        SCOPED_TRACE(testing::Message() << n << " variables, sample " << k);
        const QString result = ExpectSameAsReference(table);
        // Up to six variables the result is checked against the primes as well, not only the reference.
        if (n <= 6) {
            uint64_t f = 0;
            for (int r = 0; r < (1 << n); ++r)
                f |= uint64_t{values[static_cast<size_t>(r)]} << r;
            ExpectAllPrimes(result, n, f);
        }
        if (testing::Test::HasFailure())
            return;
    }
}

TEST(QuineMcCluskey, ReadsTheTableTheWindowCalculates)
{
    CalculatedTable table;
    clsGroups groups;
    groups.Tabelle = &table;
    clsQuineMcCluskey q;
    q.Tabelle = &table;
    q.PressTabelle = [&] {
        groups.Term = QStringLiteral("A&B&CvA&B&<C>vB&C");
        groups.CreateTabelle();
        q.Error = groups.Error;
    };
    const QString result = q.Vereinfache();
    EXPECT_TRUE(oracle::SameFunction(result, QStringLiteral("A&BvB&C"), 7u)) << result.toStdString();
    EXPECT_EQ(q.VereinfachterTerm, result);

    // A table that cannot be built: empty result, the last result kept.
    TextItemList protocol;
    q.InfoDevice = &protocol;
    q.PressTabelle = [&] { q.Error = true; };
    EXPECT_EQ(q.Vereinfache(), QString());
    EXPECT_EQ(q.VereinfachterTerm, result);
    EXPECT_EQ(protocol.items, QStringList{QStringLiteral("Wertetabelle wird erstellt")});
}

} // namespace
