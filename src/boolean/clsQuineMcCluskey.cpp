#include "boolean/clsQuineMcCluskey.h"

#include "boolean/boolean_ports.h"
#include "platform/numeric.h"

#include <QStringList>
#include <algorithm>
#include <bit>

namespace {

using Implicant = clsQuineMcCluskey::Implicant;

uint64_t Key(uint32_t dash, uint32_t one)
{
    return (uint64_t{dash} << 32) | one;
}

uint64_t Key(const Implicant& m)
{
    return Key(m.dash, m.one);
}

// The implicants of a list by their (dash, one) key: an open-addressing
// table of keys and list indices. No implicant has a bit both dashed and
// one, so the key of all ones marks a free slot.
class ImplicantIndex {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    explicit ImplicantIndex(std::size_t expected) { Rehash(std::bit_ceil(std::max<std::size_t>(16, 2 * expected))); }

    uint32_t Find(uint64_t key) const
    {
        for (std::size_t s = Home(key);; s = (s + 1) & mask_) {
            if (slots_[s].key == key)
                return slots_[s].value;
            if (slots_[s].key == kFree)
                return kNone;
        }
    }

    // The index held for key; value when key is new.
    uint32_t Insert(uint64_t key, uint32_t value)
    {
        if (2 * (size_ + 1) > slots_.size())
            Rehash(2 * slots_.size());
        std::size_t s = Home(key);
        for (; slots_[s].key != kFree; s = (s + 1) & mask_) {
            if (slots_[s].key == key)
                return slots_[s].value;
        }
        slots_[s] = {key, value};
        ++size_;
        return value;
    }

private:
    static constexpr uint64_t kFree = UINT64_MAX;
    struct Slot {
        uint64_t key = kFree;
        uint32_t value = 0;
    };

    std::size_t Home(uint64_t key) const { return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_); }

    void Rehash(std::size_t capacity)
    {
        std::vector<Slot> old(capacity);
        old.swap(slots_);
        mask_ = capacity - 1;
        shift_ = 64 - std::countr_zero(capacity);
        size_ = 0;
        for (const Slot& slot : old) {
            if (slot.key != kFree)
                Insert(slot.key, slot.value);
        }
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    int shift_ = 0;
    std::size_t size_ = 0;
};

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
    while (MergePass())
        ++passesDone_;
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
// those of group g + 1 with the same dashes and one more one: each is found
// by look-up. They are merged in the order of the pairs the method tries.
bool clsQuineMcCluskey::MergePass()
{
    const std::size_t size = current_.size();
    ImplicantIndex index(size);
    for (std::size_t k = 0; k < size; ++k) {
        current_[k].used = false;
        index.Insert(Key(current_[k]), static_cast<uint32_t>(k));
    }
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

    const uint32_t all = n_ >= 32 ? UINT32_MAX : (1u << n_) - 1;
    std::vector<Implicant> next;
    ImplicantIndex nextIndex(size);
    uint32_t partners[kMaxVariables];
    for (std::size_t i = 0; i < size; ++i) {
        if ((i & 1023) == 0 && cancel_)
            return false;
        const Implicant a = current_[i];
        int found = 0;
        for (uint32_t zeros = all & ~(a.dash | a.one); zeros != 0; zeros &= zeros - 1) {
            const uint32_t j = index.Find(Key(a.dash, a.one | (1u << std::countr_zero(zeros))));
            if (j != ImplicantIndex::kNone)
                partners[found++] = j;
        }
        std::sort(partners, partners + found);
        for (int p = 0; p < found; ++p) {
            Implicant& b = current_[partners[p]];
            Implicant merged;
            merged.dash = a.dash | (a.one ^ b.one);
            merged.one = a.one;
            merged.ones = a.ones;
            merged.count = a.count * b.count;
            const uint32_t at = nextIndex.Insert(Key(merged), static_cast<uint32_t>(next.size()));
            if (at == next.size())
                next.push_back(merged);
            else
                next[at].count += merged.count;
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
