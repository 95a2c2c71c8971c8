#include "boolean/clsQuineMcCluskey.h"

#include "boolean/boolean_ports.h"
#include "platform/numeric.h"

#include <QStringList>
#include <algorithm>
#include <bit>

namespace {

using Implicant = clsQuineMcCluskey::Implicant;

constexpr uint32_t kNowhere = UINT32_MAX;

// The numeric value of a cell; the table holds "0", "1", " 0" and " 1".
double CellValue(const QString& text)
{
    const QChar last = text.isEmpty() ? QChar() : text.back();
    if ((last == u'0' || last == u'1') && (text.size() == 1 || (text.size() == 2 && text[0] == u' ')))
        return last == u'1' ? 1 : 0;
    return Val(text);
}

double Total(const std::vector<Implicant>& list)
{
    double total = 0;
    for (const auto& m : list)
        total += m.count;
    return total;
}

} // namespace

void clsQuineMcCluskey::Log(const QString& line)
{
    if (InfoDevice)
        log_ << line;
}

void clsQuineMcCluskey::FlushLog()
{
    for (const QString& line : std::as_const(log_))
        InfoDevice->AddItem(line);
    log_.clear();
}

QString clsQuineMcCluskey::Vereinfache()
{
    Error = false;
    cancel_ = false;
    passesDone_ = 0;
    primes_.clear();
    Log(QStringLiteral("Wertetabelle wird erstellt"));
    FlushLog();
    if (PressTabelle)
        PressTabelle();
    if (Error || !ReadTable()) {
        Error = true;
        return QString();
    }
    Log(QStringLiteral("Wertetabelle OK"));
    FlushLog();
    if (RunWork)
        RunWork([this] { MergeAll(); });
    else
        MergeAll();
    FlushLog();
    if (cancel_) {
        Error = true;
        return QString();
    }
    QString result = ResultTerm();
    if (result.isEmpty())
        result = QStringLiteral("0");
    VereinfachterTerm = result;
    return result;
}

void clsQuineMcCluskey::MergeAll()
{
    KeepMinterms();
    SortGroups();
    // An implicant's merge partners and the implicants it merges into have
    // codes that differ from its own by a power of 3: each is found by one
    // look-up in a table of 3^n places.
    power_.assign(static_cast<std::size_t>(n_) + 1, 1);
    for (std::size_t k = 1; k < power_.size(); ++k)
        power_[k] = 3 * power_[k - 1];
    place_.assign(power_.back(), kNowhere);
    for (std::size_t k = 0; k < current_.size(); ++k) {
        Implicant& m = current_[k];
        for (int c = 0; c < n_; ++c)
            m.code += ((m.one >> c) & 1u) * power_[static_cast<std::size_t>(c)];
        place_[m.code] = static_cast<uint32_t>(k);
    }
    while (MergePass())
        ++passesDone_;
    std::vector<uint32_t>().swap(place_);
    // Each pass holds every implicant once and passes differ in their
    // number of dashes, so the prime list has no duplicates to remove.
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
    current_.reserve(Tabelle->Rows().size());
    for (const QStringList& row : Tabelle->Rows()) {
        Implicant m;
        for (int c = 0; c < n_; ++c) {
            if (c < row.size() && CellValue(row[c]) != 0) {
                m.one |= 1u << c;
                ++m.ones;
            }
        }
        m.result = n_ < row.size() && CellValue(row[n_]) != 0;
        current_.push_back(m);
    }
    return true;
}

void clsQuineMcCluskey::KeepMinterms()
{
    std::erase_if(current_, [](const Implicant& m) { return !m.result; });
    Log(Str(static_cast<double>(current_.size())) + QStringLiteral(" Vollkonjunktionen gefunden"));
}

void clsQuineMcCluskey::SortGroups()
{
    if (current_.empty())
        return;
    std::stable_sort(current_.begin(), current_.end(),
                     [](const Implicant& a, const Implicant& b) { return a.ones < b.ones; });
    Log(QStringLiteral("Gruppen sind sortiert"));
}

// The list is sorted by ones count, and every implicant of a pass has the
// same number of dashes, so the partners of an implicant of group g are
// those of group g + 1 with the same dashes and one more one. They are
// merged in the order of the pairs the method tries, and each merged
// implicant is put in place of its first copy.
bool clsQuineMcCluskey::MergePass()
{
    const std::size_t size = current_.size();
    for (auto& m : current_)
        m.used = false;
    // Position (from 1) of each record in the list with every copy kept.
    std::vector<double> position(size + 1, 1);
    for (std::size_t k = 0; k < size; ++k)
        position[k + 1] = position[k] + current_[k].count;
    const double total = position[size] - 1;

    const int highest = size > 0 ? current_.back().ones : 0;
    auto firstWith = [&](int ones) {
        const auto it = std::partition_point(current_.begin(), current_.end(),
                                             [ones](const Implicant& m) { return m.ones < ones; });
        return it != current_.end() && it->ones == ones ? static_cast<std::size_t>(it - current_.begin()) : size;
    };
    for (int g = 0; g < highest; ++g) {
        const std::size_t nextGroup = firstWith(g + 1);
        const std::size_t after = firstWith(g + 2);
        const double sng = nextGroup < size ? position[nextGroup] : 0;
        const double eng = after < size ? position[after] - 1 : total;
        Log(QStringLiteral("Gruppe:") + Str(g) + QStringLiteral("  SnG:") + Str(sng) + QStringLiteral("  EnG:") +
            Str(eng));
    }

    const uint32_t all = (1u << n_) - 1;
    std::vector<Implicant> next;
    struct Partner {
        uint32_t index;
        uint32_t power; // of the column it differs in
    };
    Partner partners[kMaxVariables];
    for (std::size_t i = 0; i < size; ++i) {
        if ((i & 1023) == 0 && cancel_)
            return false;
        const Implicant a = current_[i];
        int found = 0;
        for (uint32_t zeros = all & ~(a.dash | a.one); zeros != 0; zeros &= zeros - 1) {
            const uint32_t power = power_[static_cast<std::size_t>(std::countr_zero(zeros))];
            const uint32_t j = place_[a.code + power];
            if (j == kNowhere)
                continue;
            // In list order: an insertion into the few found so far.
            int at = found++;
            for (; at > 0 && partners[at - 1].index > j; --at)
                partners[at] = partners[at - 1];
            partners[at] = {j, power};
        }
        for (int p = 0; p < found; ++p) {
            Implicant& b = current_[partners[p].index];
            Implicant merged;
            merged.dash = a.dash | (a.one ^ b.one);
            merged.one = a.one;
            merged.code = a.code + 2 * partners[p].power;
            merged.ones = a.ones;
            merged.count = a.count * b.count;
            uint32_t& at = place_[merged.code];
            if (at == kNowhere) {
                at = static_cast<uint32_t>(next.size());
                next.push_back(merged);
            } else {
                next[at].count += merged.count;
            }
            current_[i].used = true;
            b.used = true;
        }
    }
    for (const auto& m : current_) {
        if (!m.used)
            primes_.push_back(m);
    }
    if (next.empty())
        return false;
    current_ = std::move(next);
    Log(QStringLiteral("Gekürzte Tabelle:") + Str(Total(current_)));
    return true;
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
