#pragma once
// A brute-force evaluator of terms, independent of the code under test: a
// recursive-descent reading of the term syntax ("v" below "&", juxtaposition
// is AND, "<" ">" negate, "0" and "1" constants), a random term generator
// and an evaluator of the group tree.
#include <QString>
#include <optional>
#include <random>
#include <vector>

#include "boolean/boolean_ports.h"
#include "boolean/clsGroups.h"

namespace oracle {

// Value of t under the assignment (bit k of values is variable "A" + k), or
// nothing when t is not a well-formed term.
std::optional<bool> Evaluate(const QString& t, unsigned values);

// The variables of t as a bit mask (bit k for "A" + k).
unsigned Variables(const QString& t);

// Whether a and b agree on every assignment of the variables in `mask`.
bool SameFunction(const QString& a, const QString& b, unsigned mask);

// Value of the group tree (records 1.. of groups) under the assignment.
bool EvaluateGroups(const std::vector<GroupRecord>& groups, unsigned values);

// The rows of a calculated truth table whose result is not t's value for
// their inputs (0 when the table is right; every row counts when a result
// is missing).
int WrongTableRows(const CalculatedTable& table, const QString& t);

struct TermShape {
    int variables = 4;     // letters "A".. used
    int depth = 3;
    bool constants = false; // also "0" and "1" as operands
    bool implicitAnd = true;
    // Percent of operand sequences drawn as one gate of 5 to `widest`
    // operands (one operator throughout); 0 keeps the sequences of 2 to 4.
    int wide = 0;
    int widest = 20;
};

// A random valid term: at least two top-level operands; every operand, a
// compound one too, in any mix of brackets and negations ("(x)", "<x>",
// "<(x)>", "((x))", "<<x>>", "(<x>)"), a letter or constant also bare.
QString RandomTerm(std::mt19937& rng, const TermShape& shape);

// ---- definitions


namespace detail {

class Reader {
public:
    Reader(const QString& t, unsigned values) : t_(t), values_(values) {}

    std::optional<bool> Whole()
    {
        const auto v = Or();
        if (!v || pos_ != t_.size())
            return std::nullopt;
        return v;
    }

private:
    std::optional<bool> Or()
    {
        auto v = And();
        while (v && Peek() == u'v') {
            ++pos_;
            const auto w = And();
            if (!w)
                return std::nullopt;
            v = *v || *w;
        }
        return v;
    }

    static bool StartsFactor(QChar c)
    {
        return (c >= u'A' && c <= u'Z') || c == u'0' || c == u'1' || c == u'(' || c == u'<';
    }

    std::optional<bool> And()
    {
        auto v = Factor();
        while (v) {
            if (Peek() == u'&')
                ++pos_;
            else if (!StartsFactor(Peek()))
                break;
            const auto w = Factor();
            if (!w)
                return std::nullopt;
            v = *v && *w;
        }
        return v;
    }

    std::optional<bool> Factor()
    {
        const QChar c = Peek();
        ++pos_;
        if (c >= u'A' && c <= u'Z')
            return ((values_ >> (c.unicode() - u'A')) & 1u) != 0;
        if (c == u'0' || c == u'1')
            return c == u'1';
        if (c == u'(' || c == u'<') {
            const auto v = Or();
            if (!v || Peek() != (c == u'(' ? u')' : u'>'))
                return std::nullopt;
            ++pos_;
            return c == u'(' ? *v : !*v;
        }
        return std::nullopt;
    }

    QChar Peek() const { return pos_ < t_.size() ? t_[pos_] : QChar(); }

    const QString& t_;
    unsigned values_;
    qsizetype pos_ = 0;
};

inline QString Wrap(std::mt19937& rng, const QString& x, bool single)
{
    std::uniform_int_distribution<int> pick(0, single ? 6 : 5);
    switch (pick(rng)) {
    case 0:
        return QStringLiteral("(") + x + QStringLiteral(")");
    case 1:
        return QStringLiteral("<") + x + QStringLiteral(">");
    case 2:
        return QStringLiteral("<(") + x + QStringLiteral(")>");
    case 3:
        return QStringLiteral("((") + x + QStringLiteral("))");
    case 4:
        return QStringLiteral("<<") + x + QStringLiteral(">>");
    case 5:
        return QStringLiteral("(<") + x + QStringLiteral(">)");
    default:
        return x;
    }
}

inline QString Operand(std::mt19937& rng, const TermShape& shape, int depth);

inline QString Sequence(std::mt19937& rng, const TermShape& shape, int depth)
{
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> coin(0, 2);
    if (shape.wide > 0 && percent(rng) < shape.wide) {
        std::uniform_int_distribution<int> count(5, shape.widest);
        const int n = count(rng);
        const int op = coin(rng);
        // Operands a level shallower than usual keep the term of a moderate size.
        QString s = Operand(rng, shape, depth - 2);
        for (int k = 1; k < n; ++k) {
            // An AND run mixes "&" and juxtaposition.
            if (op == 0)
                s += u'v';
            else if (!shape.implicitAnd || coin(rng) != 0)
                s += u'&';
            s += Operand(rng, shape, depth - 2);
        }
        return s;
    }
    // Mostly two or three operands; four give two AND runs side by side.
    const int roll = percent(rng);
    const int n = roll < 25 ? 4 : roll < 60 ? 3 : 2;
    QString s = Operand(rng, shape, depth - 1);
    for (int k = 1; k < n; ++k) {
        const int op = coin(rng);
        if (op == 0)
            s += u'v';
        else if (op == 1 || !shape.implicitAnd)
            s += u'&';
        s += Operand(rng, shape, depth - 1);
    }
    return s;
}

inline QString Operand(std::mt19937& rng, const TermShape& shape, int depth)
{
    std::uniform_int_distribution<int> percent(0, 99);
    if (depth <= 0 || percent(rng) < 40) {
        QString leaf;
        if (shape.constants && percent(rng) < 25) {
            leaf = percent(rng) < 50 ? QStringLiteral("0") : QStringLiteral("1");
        } else {
            std::uniform_int_distribution<int> letter(0, shape.variables - 1);
            leaf = QString(QChar(u'A' + letter(rng)));
        }
        if (percent(rng) < 50)
            leaf = Wrap(rng, leaf, true);
        if (percent(rng) < 20)
            leaf = Wrap(rng, leaf, true);
        return leaf;
    }
    QString compound = Wrap(rng, Sequence(rng, shape, depth), false);
    if (percent(rng) < 20)
        compound = Wrap(rng, compound, false);
    return compound;
}

} // namespace detail
using namespace detail;

inline std::optional<bool> Evaluate(const QString& t, unsigned values)
{
    return Reader(t, values).Whole();
}

inline unsigned Variables(const QString& t)
{
    unsigned mask = 0;
    for (QChar c : t) {
        if (c >= u'A' && c <= u'Z')
            mask |= 1u << (c.unicode() - u'A');
    }
    return mask;
}

inline bool SameFunction(const QString& a, const QString& b, unsigned mask)
{
    // Enumerate every subset of mask.
    unsigned values = 0;
    do {
        const auto va = Evaluate(a, values);
        const auto vb = Evaluate(b, values);
        if (!va || !vb || *va != *vb)
            return false;
        values = (values - mask) & mask;
    } while (values != 0);
    return true;
}

inline bool EvaluateGroups(const std::vector<GroupRecord>& groups, unsigned values)
{
    std::vector<bool> value(groups.size());
    // Operands follow their gate, so evaluating from the end sees every
    // operand before its gate.
    for (std::size_t k = groups.size() - 1; k >= 1; --k) {
        const GroupRecord& g = groups[k];
        bool v;
        if (g.Term == QStringLiteral("&") || g.Term == QStringLiteral("v")) {
            const bool isAnd = g.Term == QStringLiteral("&");
            v = isAnd;
            for (std::size_t j = k + 1; j < groups.size(); ++j) {
                if (groups[j].Parent == static_cast<int32_t>(k))
                    v = isAnd ? (v && value[j]) : (v || value[j]);
            }
        } else {
            v = ((values >> (g.Term[0].unicode() - u'A')) & 1u) != 0;
        }
        value[k] = g.Negation ? !v : v;
    }
    return value.size() > 1 && value[1];
}

inline int WrongTableRows(const CalculatedTable& table, const QString& t)
{
    const int vars = static_cast<int>(table.Columns().size()) - 1;
    int wrong = 0;
    for (const QStringList& row : table.Rows()) {
        unsigned values = 0;
        for (int v = 0; v < vars; ++v) {
            if (row.value(v) == QStringLiteral("1"))
                values |= 1u << (table.Columns()[static_cast<std::size_t>(v)].key[0].unicode() - u'A');
        }
        const std::optional<bool> expected = Evaluate(t, values);
        if (!expected || row.value(vars) != (*expected ? QStringLiteral(" 1") : QStringLiteral(" 0")))
            ++wrong;
    }
    return table.Rows().empty() ? 1 : wrong;
}

inline QString RandomTerm(std::mt19937& rng, const TermShape& shape)
{
    std::uniform_int_distribution<int> percent(0, 99);
    QString t = Sequence(rng, shape, shape.depth);
    if (percent(rng) < 35)
        t = Wrap(rng, t, false);
    return t;
}

} // namespace oracle
