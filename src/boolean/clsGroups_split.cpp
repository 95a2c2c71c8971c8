// Splitting a normalised term into the group list, and what is done with it.
#include "boolean/clsGroups.h"

#include "boolean/boolean_ports.h"
#include "boolean/term_parts.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

#include <algorithm>
#include <utility>

using namespace term;

namespace {

constexpr int kNotPossibleId = 6199;

// The operand's letters once brackets, negation signs and its operator are gone.
QString OperandCore(const QString& x)
{
    QString core = StripOperator(x);
    core.remove(u'<');
    core.remove(u'>');
    core.remove(u'(');
    core.remove(u')');
    return core;
}

// Whatever brackets and negations enclose the operand as a whole come off,
// so that "<<A&B>>" and "(<A&B>)" split like "A&B". Also tells whether an
// odd number of negations enclosed it (an even number cancels).
std::pair<QString, bool> Unwrapped(QString t)
{
    bool negated = false;
    for (;;) {
        if (FullNegation(t)) {
            t = t.mid(1, t.size() - 2);
            negated = !negated;
        } else if (const QString inner = CheckOuterBrackets(t); inner != t) {
            t = inner;
        } else {
            return {t, negated};
        }
    }
}

} // namespace

void clsGroups::SplitTerm(const QString& part, int level, int parent)
{
    if (Error)
        return;
    if (level <= 1) {
        GroupNr = 1;
        groups_.assign(1, GroupRecord{});
    }
    auto [t, negated] = Unwrapped(part);
    // Every (sub-)term gets its AND runs bracketed, or "X&(A&BvC&D)" would
    // read as one AND of A, B, C and D. The caller did it for the whole
    // term, but before its outer brackets were removed.
    t = CheckAnds(t);
    const int own = GroupNr;
    const QStringList parts = SplitParts(t);
    const int n = static_cast<int>(parts.size());
    if (n == 1 && level <= 1 && t.size() == 1) {
        // A term of one literal ("(A)", the minimiser's answer for some
        // terms): a gate of the literal with itself gives it an output that
        // can be negated in every style of elements.
        AddGroup(GroupNr++, QStringLiteral("&"), level, parent, negated);
        AddGroup(GroupNr++, t, level + 1, own, false);
        AddGroup(GroupNr++, t, level + 1, own, false);
        return;
    }
    if (n <= 1) {
        Error = true;
        return;
    }

    bool gateMade = false;
    auto makeGate = [&](const QString& op) {
        if (gateMade)
            return;
        AddGroup(GroupNr, op, level, parent, negated);
        ++GroupNr;
        gateMade = true;
    };
    auto store = [&](const QString& x) {
        const QString core = OperandCore(x);
        if (core.size() == 1) {
            // A variable, however bracketed: it enters negated when an odd
            // number of negations encloses it.
            AddGroup(GroupNr, core, level + 1, own, x.count(u'<') % 2 == 1);
            ++GroupNr;
        } else {
            SplitTerm(StripOperator(x), level + 1, own);
        }
    };

    QString pending;
    bool allAnd = false;
    for (int i = 1; i <= n && !Error; ++i) {
        const QString& p = parts[i - 1];
        if (GetPartType(i, parts) == 3) {
            pending += p;
            if (i == n) {
                if (pending == t) {
                    allAnd = true;
                } else {
                    makeGate(QStringLiteral("v"));
                    store(pending);
                }
            }
        } else {
            makeGate(QStringLiteral("v"));
            if (!pending.isEmpty()) {
                store(pending);
                pending.clear();
            }
            store(p);
        }
    }
    if (allAnd) {
        makeGate(QStringLiteral("&"));
        for (const QString& p : parts)
            store(p);
    }
}

void clsGroups::AddGroup(int index, const QString& term, int level, int parent, bool negation)
{
    if (index < 1)
        return;
    if (static_cast<int>(groups_.size()) <= index)
        groups_.resize(static_cast<std::size_t>(index) + 1);
    GroupRecord& g = groups_[static_cast<std::size_t>(index)];
    g.Level = level;
    g.Negation = negation;
    g.Parent = parent;
    g.Term = term;
}

void clsGroups::CountChildren()
{
    const int count = static_cast<int>(groups_.size());
    for (int k = 1; k < count; ++k) {
        GroupRecord& gate = groups_[static_cast<std::size_t>(k)];
        if (!gate.IsGate())
            continue;
        gate.Inputs = 0;
        for (int j = k; j < count; ++j) {
            const GroupRecord& g = groups_[static_cast<std::size_t>(j)];
            if (g.Level == gate.Level + 1 && g.Parent == k)
                ++gate.Inputs;
        }
    }
}

void clsGroups::CreateVarList()
{
    varList_ = QStringList{QString()};
    for (std::size_t k = 1; k < groups_.size(); ++k) {
        const GroupRecord& g = groups_[k];
        if (!g.IsGate() && !varList_.contains(g.Term))
            varList_.append(g.Term);
    }
}

int32_t clsGroups::MaxLevel(int32_t b) const
{
    int32_t deepest = 0;
    if (b == 0) {
        for (std::size_t k = 1; k < groups_.size(); ++k)
            deepest = std::max(deepest, groups_[k].Level);
        return deepest;
    }
    if (b < 1 || b >= static_cast<int32_t>(branchLists_.size()))
        return 0;
    const auto& branch = branchLists_[static_cast<std::size_t>(b)];
    for (std::size_t k = 1; k < branch.size(); ++k)
        deepest = std::max(deepest, branch[k].Level);
    return deepest;
}

void clsGroups::CreateBranchLists()
{
    branchLists_.assign(1, {});
    if (groups_.size() < 4) // fewer than 3 records
        return;
    for (std::size_t k = 2; k < groups_.size(); ++k) {
        if (groups_[k].Level == 2 || branchLists_.size() == 1)
            branchLists_.push_back(std::vector<GroupRecord>(1));
        branchLists_.back().push_back(groups_[k]);
    }
}

void clsGroups::CopyBranchRows()
{
    std::size_t target = 2;
    for (std::size_t b = 1; b < branchLists_.size(); ++b) {
        for (std::size_t k = 1; k < branchLists_[b].size() && target < groups_.size(); ++k)
            groups_[target++].Row = branchLists_[b][k].Row;
    }
}

void clsGroups::Convert(int mode)
{
    const int count = static_cast<int>(groups_.size());
    for (int k = 1; k < count; ++k) {
        GroupRecord& gate = groups_[static_cast<std::size_t>(k)];
        const bool swap = (mode == 1 && gate.Term == QStringLiteral("v")) ||
                          (mode == 2 && gate.Term == QStringLiteral("&"));
        if (!swap)
            continue;
        // De Morgan: a OR b = NOT(NOT a AND NOT b), and the dual; inverting
        // rather than setting lets two negations on one line cancel.
        gate.Term = gate.Term == QStringLiteral("v") ? QStringLiteral("&") : QStringLiteral("v");
        gate.Negation = !gate.Negation;
        for (int j = k + 1; j < count; ++j) {
            GroupRecord& g = groups_[static_cast<std::size_t>(j)];
            if (g.Level == gate.Level + 1 && g.Parent == k)
                g.Negation = !g.Negation;
        }
    }
}

void clsGroups::ShowGroups()
{
    if (!tvwGroups)
        return;
    tvwGroups->Clear();
    for (std::size_t k = 1; k < groups_.size(); ++k) {
        const GroupRecord& g = groups_[k];
        const QString key = QString::number(k) + g.Term;
        QString text = g.Term;
        if (g.Negation)
            text += QStringLiteral(" (n)");
        if (g.Inputs >= 1)
            text += QStringLiteral(" (") + QString::number(g.Inputs) + QStringLiteral(")");
        QString parentKey;
        if (g.Level != 1 && g.Parent >= 1 && g.Parent < static_cast<int32_t>(groups_.size()))
            parentKey = QString::number(g.Parent) + groups_[static_cast<std::size_t>(g.Parent)].Term;
        tvwGroups->AddNode(parentKey, key, text);
        tvwGroups->Expand(key);
    }
}

void clsGroups::DelGroup(int index)
{
    const int count = static_cast<int>(groups_.size());
    if (index < 1 || index >= count)
        return;
    if (index + 1 < count && groups_[static_cast<std::size_t>(index) + 1].Level > groups_[static_cast<std::size_t>(index)].Level) {
        if (Dialogs)
            Dialogs->ShowMessage(LoadResString(kNotPossibleId), MessageButtons::OK, MessageIcon::None, QString());
        return;
    }
    groups_.erase(groups_.begin() + index);
    for (std::size_t k = static_cast<std::size_t>(index); k < groups_.size(); ++k) {
        if (groups_[k].Parent > index)
            --groups_[k].Parent;
    }
}
