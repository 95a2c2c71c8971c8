#include "boolean/clsQuineMcCluskey.h"

#include "boolean/boolean_ports.h"
#include "platform/numeric.h"

#include <QStringList>
#include <algorithm>
#include <bit>
#include <unordered_map>

namespace {

uint64_t Key(const clsQuineMcCluskey::Implicant& m)
{
    return (uint64_t{m.dash} << 32) | m.one;
}

// The numeric value of a cell; the table holds "0", "1", " 0" and " 1".
double CellValue(const QString& text)
{
    const QChar last = text.isEmpty() ? QChar() : text.back();
    if ((last == u'0' || last == u'1') && (text.size() == 1 || (text.size() == 2 && text[0] == u' ')))
        return last == u'1' ? 1 : 0;
    return Val(text);
}

double Total(const std::vector<clsQuineMcCluskey::Implicant>& list)
{
    double total = 0;
    for (const auto& m : list)
        total += m.count;
    return total;
}

} // namespace

void clsQuineMcCluskey::Log(const QString& line)
{
    InfoDevice->AddItem(line);
}

QString clsQuineMcCluskey::Vereinfache()
{
    Error = false;
    primes_.clear();
    if (InfoDevice)
        Log(QStringLiteral("Wertetabelle wird erstellt"));
    if (PressTabelle)
        PressTabelle();
    if (Error || !ReadTable()) {
        Error = true;
        return QString();
    }
    if (InfoDevice)
        Log(QStringLiteral("Wertetabelle OK"));
    KeepMinterms();
    SortGroups();
    while (MergePass()) {
    }
    RemoveDuplicatePrimes();
    QString result = ResultTerm();
    if (result.isEmpty())
        result = QStringLiteral("0");
    VereinfachterTerm = result;
    return result;
}

bool clsQuineMcCluskey::ReadTable()
{
    current_.clear();
    names_.clear();
    if (!Tabelle || Tabelle->Columns().size() < 2 || Tabelle->Columns().size() > kMaxVariables + 1)
        return false;
    n_ = static_cast<int>(Tabelle->Columns().size()) - 1;
    for (int c = 0; c < n_; ++c)
        names_ << Trim(Tabelle->Columns()[static_cast<std::size_t>(c)].text);
    for (const QStringList& row : Tabelle->Rows()) {
        Implicant m;
        for (int c = 0; c < n_; ++c) {
            if (c < row.size() && CellValue(row[c]) != 0) {
                m.one |= 1u << c;
                ++m.ones;
            }
        }
        m.result = n_ < row.size() && CellValue(row[n_]) != 0;
        current_.push_back(std::move(m));
    }
    return true;
}

void clsQuineMcCluskey::KeepMinterms()
{
    std::vector<Implicant> minterms;
    for (auto& m : current_) {
        if (m.result)
            minterms.push_back(std::move(m));
    }
    current_ = std::move(minterms);
    if (InfoDevice)
        Log(Str(static_cast<double>(current_.size())) + QStringLiteral(" Vollkonjunktionen gefunden"));
}

void clsQuineMcCluskey::SortGroups()
{
    if (current_.empty())
        return;
    std::stable_sort(current_.begin(), current_.end(),
                     [](const Implicant& a, const Implicant& b) { return a.ones < b.ones; });
    if (InfoDevice)
        Log(QStringLiteral("Gruppen sind sortiert"));
}

bool clsQuineMcCluskey::MergePass()
{
    std::vector<Implicant> next;
    std::unordered_map<uint64_t, std::size_t> index;
    for (auto& m : current_)
        m.used = false;
    // Position (from 1) of each record in the list with every copy kept.
    std::vector<double> position(current_.size() + 1, 1);
    for (std::size_t k = 0; k < current_.size(); ++k)
        position[k + 1] = position[k] + current_[k].count;
    const double total = position[current_.size()] - 1;

    int highest = 0;
    for (const auto& m : current_)
        highest = std::max(highest, m.ones);
    const std::size_t size = current_.size();
    auto firstWith = [&](int ones, std::size_t from) {
        std::size_t k = from;
        while (k < size && current_[k].ones != ones)
            ++k;
        return k;
    };
    for (int g = 0; g < highest; ++g) {
        const std::size_t first = firstWith(g, 0);
        const std::size_t nextGroup = firstWith(g + 1, 0);
        const std::size_t after = firstWith(g + 2, nextGroup < size ? nextGroup : 0);
        const double sng = nextGroup < size ? position[nextGroup] : 0;
        const double eng = after < size ? position[after] - 1 : total;
        if (InfoDevice) {
            Log(QStringLiteral("Gruppe:") + Str(g) + QStringLiteral("  SnG:") + Str(sng) + QStringLiteral("  EnG:") +
                Str(eng));
        }
        if (nextGroup >= size)
            continue;
        for (std::size_t i = first; i < size && current_[i].ones == g; ++i) {
            for (std::size_t j = nextGroup; j < after; ++j) {
                const Implicant& a = current_[i];
                const Implicant& b = current_[j];
                // A dash compares as a value of its own.
                const uint32_t differ = (a.dash ^ b.dash) | (a.one ^ b.one);
                if (std::popcount(differ) != 1)
                    continue;
                Implicant merged;
                merged.dash = a.dash | differ;
                merged.one = a.one & ~differ;
                merged.ones = std::popcount(merged.one);
                merged.count = a.count * b.count;
                const uint64_t key = Key(merged);
                const auto found = index.find(key);
                if (found == index.end()) {
                    index.emplace(key, next.size());
                    next.push_back(std::move(merged));
                } else {
                    next[found->second].count += merged.count;
                }
                current_[i].used = true;
                current_[j].used = true;
            }
        }
    }
    for (const auto& m : current_) {
        if (!m.used)
            primes_.push_back(m);
    }
    if (next.empty())
        return false;
    current_ = std::move(next);
    if (InfoDevice)
        Log(QStringLiteral("Gekürzte Tabelle:") + Str(Total(current_)));
    return true;
}

void clsQuineMcCluskey::RemoveDuplicatePrimes()
{
    std::vector<Implicant> unique;
    std::unordered_map<uint64_t, bool> seen;
    for (auto& m : primes_) {
        if (seen.emplace(Key(m), true).second)
            unique.push_back(std::move(m));
    }
    primes_ = std::move(unique);
}

QString clsQuineMcCluskey::ResultTerm() const
{
    QString result;
    for (std::size_t p = 0; p < primes_.size(); ++p) {
        const Implicant& m = primes_[p];
        auto dash = [&m](int k) { return ((m.dash >> k) & 1u) != 0; };
        if (p > 0)
            result += u'v';
        result += u'(';
        for (int k = 0; k < n_; ++k) {
            if (dash(k))
                continue;
            if ((m.one >> k) & 1u)
                result += names_[k];
            else
                result += QStringLiteral("<") + names_[k] + QStringLiteral(">");
            // An "&" only between two neighbouring literals ("(AC)" reads as an AND).
            if (k < n_ - 1 && !dash(k + 1))
                result += u'&';
        }
        result += u')';
    }
    return result;
}
