#include "boolean/clsBool.h"

#include "boolean/boolean_ports.h"
#include "boolean/term_display.h"
#include "boolean/term_parts.h"
#include "platform/string_table.h"

using namespace term;

namespace {

// The fix-point loops end when a pass changes nothing; this only guards
// against a text no valid input can produce.
constexpr int kPassLimit = 10000;

bool ValidCharacter(QChar c)
{
    return IsVariable(c) || IsConstant(c) || c == u'(' || c == u')' || c == u'<' || c == u'>' || IsOperator(c);
}

// The part split into operand and trailing operator.
QString OperatorOf(const QString& part)
{
    return (!part.isEmpty() && IsOperator(part.back())) ? QString(part.back()) : QString();
}

QString BracketWrap(const QString& part)
{
    const QString op = OperatorOf(part);
    return QStringLiteral("(") + part.left(part.size() - op.size()) + QStringLiteral(")") + op;
}

} // namespace

QString PartCore(const QString& part)
{
    if (part.size() <= 1)
        return part;
    QString c = part;
    if (c.startsWith(u'<'))
        c.remove(0, 1);
    if (!c.isEmpty() && IsOperator(c.back()))
        c.chop(1);
    if (c.endsWith(u'>'))
        c.chop(1);
    return c;
}

QString RebuildParts(const QStringList& parts, int i, const QString& r, int j)
{
    QString s;
    for (int k = 1; k <= parts.size(); ++k) {
        if (k == j)
            continue;
        s += k == i ? r : parts[k - 1];
    }
    return StripOperator(s);
}

bool clsBool::FindErrors(const QString& t)
{
    if (ErrorDevice)
        ErrorDevice->SetCaption(QString());
    int balance = 0;
    for (QChar c : t) {
        if (c == u'(' || c == u'<')
            ++balance;
        else if (c == u')' || c == u'>')
            --balance;
    }
    if (balance != 0) {
        if (ErrorDevice)
            ErrorDevice->SetCaption(LoadResString(5700));
        return true;
    }
    for (QChar c : t) {
        if (!ValidCharacter(c)) {
            if (ErrorDevice)
                ErrorDevice->SetCaption(LoadResString(5701) + QStringLiteral(": '") + c + QStringLiteral("'"));
            return true;
        }
    }
    return false;
}

QStringList clsBool::Parts(const QString& t)
{
    if (FindErrors(t))
        return {};
    return SplitParts(t);
}

void clsBool::Record(const QString& t)
{
    steps_.append(t);
    TermCount = static_cast<int>(steps_.size());
}

void clsBool::Vereinfache()
{
    TermCount = 0;
    steps_.clear();
    noNegationExpanded_ = false;
    inBracket_ = false;
    if (FindErrors(Term) || Term.isEmpty())
        return;
    Term = CheckAnds(SetAND(Term), false);
    Record(Term);
    Term = FoldNegConstants(RemoveOuterBrackets(RemoveDoubleNeg(Term)));
    for (int pass = 0; pass < kPassLimit; ++pass) {
        const QString before = Term;
        Term = PushNegation(RemoveDoubleNeg(Term));
        if (Term == before)
            break;
    }
    Term = FoldNegConstants(Term);
    for (int pass = 0; pass < kPassLimit; ++pass) {
        const QString before = Term;
        Term = CheckAnds(SimplifyParts(Term), false);
        if (Term == before)
            break;
    }
}

QString clsBool::RemoveOuterBrackets(const QString& t)
{
    if (t.size() <= 2)
        return t;
    const QString op = OperatorOf(t);
    const QString rest = t.left(t.size() - op.size());
    if (rest.startsWith(u'(') && MatchingClose(rest, 1) == rest.size()) {
        const QString candidate = rest.mid(1, rest.size() - 2) + op;
        if (PartCount(candidate) == 1)
            return candidate;
    }
    return t;
}

QString clsBool::FoldNegConstants(const QString& t)
{
    const QStringList parts = Parts(t);
    if (parts.isEmpty())
        return t;
    QString r;
    for (const QString& part : parts) {
        const QString op = OperatorOf(part);
        QString bare = part.left(part.size() - op.size());
        if (bare == QStringLiteral("<1>"))
            bare = QStringLiteral("0");
        else if (bare == QStringLiteral("<0>"))
            bare = QStringLiteral("1");
        r += bare + op;
    }
    return r;
}

// The negation of one operand of a negated sub-term, ready to stand beside
// others: brackets around a single operand are dropped first ("<(1)>" would
// otherwise never fold), a double negation is removed, and an OR that ends
// up at depth 0 keeps its brackets.
QString clsBool::NegateOperand(const QString& bare)
{
    QString x = bare;
    while (x.size() > 2 && x.startsWith(u'(') && MatchingClose(x, 1) == x.size() &&
           PartCount(x.mid(1, x.size() - 2)) == 1)
        x = x.mid(1, x.size() - 2);
    QString literal = RemoveDoubleNeg(QStringLiteral("<") + x + QStringLiteral(">"));
    if (HasOuterOr(literal))
        literal = QStringLiteral("(") + literal + QStringLiteral(")");
    return literal;
}

QString clsBool::PushNegation(const QString& t)
{
    noNegationExpanded_ = true;
    bool expanded = false;
    const QStringList parts = Parts(t);
    const int n = static_cast<int>(parts.size());
    QString r;
    for (int i = 1; i <= n; ++i) {
        QString p = parts[i - 1];
        QString q;
        if (p.startsWith(u'(') && p.size() > 2) {
            const bool outer = inBracket_;
            inBracket_ = true;
            if (p.endsWith(u')')) {
                p = QStringLiteral("(") + PushNegation(p.mid(1, p.size() - 2)) + QStringLiteral(")");
            } else if (p[p.size() - 2] == u')') {
                p = QStringLiteral("(") + PushNegation(p.mid(1, p.size() - 3)) + QStringLiteral(")") + p.back();
            }
            expanded = expanded || !noNegationExpanded_;
            inBracket_ = outer;
        } else if (p.startsWith(u'<') && p.size() > 4) {
            const QString o = OperatorOf(p);
            const QString body = p.left(p.size() - o.size());
            if (body.endsWith(u'>') && MatchingClose(body, 1) == body.size()) {
                expanded = true;
                // NOT(x1 & x2 v y) = (<x1> v <x2>) & <y>: every AND run
                // becomes a bracketed OR of negations, closed after its
                // last literal; the runs and lone operands are ANDed.
                const QStringList inner = Parts(body.mid(1, body.size() - 2));
                bool open = false;
                for (const QString& s : inner) {
                    const QString so = OperatorOf(s);
                    const QString literal = NegateOperand(s.left(s.size() - so.size()));
                    if (so == QStringLiteral("&")) {
                        if (!open) {
                            q += u'(';
                            open = true;
                        }
                        q += literal + QStringLiteral("v");
                    } else if (so == QStringLiteral("v")) {
                        q += literal + (open ? QStringLiteral(")&") : QStringLiteral("&"));
                        open = false;
                    } else {
                        q += literal;
                    }
                }
                if (open)
                    q += u')';
                q += o;
                if (i < n && q.endsWith(u'&') && HasOuterOr(q))
                    q = BracketWrap(q);
                else if (i == n && r.endsWith(u'&') && HasOuterOr(q))
                    q = QStringLiteral("(") + q + QStringLiteral(")");
            }
        }
        r += q.isEmpty() ? p : q;
    }
    r = RemoveNegBrackets(r);
    noNegationExpanded_ = !expanded;
    if (expanded && !inBracket_)
        Record(r);
    return r;
}

QString clsBool::RemoveNegBrackets(const QString& t) const
{
    if (t.size() < 4)
        return t;
    QString r = t;
    for (int a = 0; a + 1 < r.size(); ++a) {
        if (r[a] != u'<' || r[a + 1] != u'(')
            continue;
        const int close = MatchingClose(r, a + 2); // position of the ")"
        if (close == 0 || close >= r.size() || r[close] != u'>' || MatchingClose(r, a + 1) != close + 1)
            continue;
        if (close - a - 3 < 2)
            continue; // "<(A)>" stays
        r.remove(close - 1, 1);
        r.remove(a + 1, 1);
    }
    return r;
}

QString clsBool::RemoveSingleBrackets(const QString& t) const
{
    if (t.size() < 2 || !(t.startsWith(u'(') || t.endsWith(u')')))
        return t;
    int depth = 0;
    for (int k = 1; k < t.size() - 1; ++k) {
        if (t[k] == u'(') {
            ++depth;
        } else if (t[k] == u')') {
            if (--depth < 0)
                return t;
        }
    }
    return depth == 0 ? t.mid(1, t.size() - 2) : t;
}

QString clsBool::SimplifyParts(const QString& t)
{
    const bool outer = inBracket_;
    QString cur = t;
    // Bracketed parts: simplify their inside first.
    for (int i = 1;; ++i) {
        const QStringList parts = Parts(cur);
        if (i > parts.size())
            break;
        const QString& p = parts[i - 1];
        if (!p.startsWith(u'('))
            continue;
        const QString op = OperatorOf(p);
        const QString bare = p.left(p.size() - op.size());
        if (bare.size() < 2 || !bare.endsWith(u')'))
            continue;
        inBracket_ = true;
        const QString inner = SimplifyParts(bare.mid(1, bare.size() - 2));
        inBracket_ = outer;
        const QString np = RemoveOuterBrackets(QStringLiteral("(") + inner + QStringLiteral(")") + op);
        if (np != p) {
            cur = FoldNegConstants(RebuildParts(parts, i, np, 0));
            Record(cur);
        }
    }
    // AND runs.
    QStringList parts = Parts(cur);
    if (parts.isEmpty())
        return cur;
    QString out;
    QString run;
    for (int i = 1; i <= parts.size(); ++i) {
        const QString& p = parts[i - 1];
        const int type = GetPartType(i, parts);
        if (type == 3)
            run += p;
        if (type != 3 || p.endsWith(u'v')) {
            if (!run.isEmpty()) {
                out += RemoveZeroTerms(run);
                run.clear();
            }
            if (type != 3)
                out += p;
        }
    }
    if (!run.isEmpty())
        out += RemoveZeroTerms(run);
    out = FoldNegConstants(RemoveOuterBrackets(out));
    if (!outer && out != cur)
        Record(out);
    cur = out;
    // OR runs.
    parts = Parts(cur);
    if (parts.isEmpty())
        return cur;
    out.clear();
    run.clear();
    for (int i = 1; i <= parts.size(); ++i) {
        const QString& p = parts[i - 1];
        if (GetPartType(i, parts) == 4) {
            run += p;
        } else {
            if (!run.isEmpty()) {
                out += RemoveOneTerms(run);
                run.clear();
            }
            out += p;
        }
    }
    if (!run.isEmpty())
        out += RemoveOneTerms(run);
    out = FoldNegConstants(RemoveSingleBrackets(RemoveOuterBrackets(out)));
    if (!outer && out != cur)
        Record(out);
    return out;
}

QString clsBool::RemoveZeroTerms(const QString& run)
{
    const QString op = OperatorOf(run);
    const QString r = run.left(run.size() - op.size());
    const QStringList parts = Parts(r);
    const int n = static_cast<int>(parts.size());
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (j == i)
                continue;
            const QString pi = FoldNegConstants(parts[i - 1]);
            const QString pj = FoldNegConstants(parts[j - 1]);
            const QString ci = PartCore(pi);
            const QString cj = PartCore(pj);
            if (ci == cj && StripOperator(pi) == StripOperator(pj))
                return RemoveZeroTerms(RebuildParts(parts, i, pi, j)) + op;
            if (ci == cj)
                return RemoveZeroTerms(RebuildParts(parts, i, i == n ? QStringLiteral("0") : QStringLiteral("0&"), j)) + op;
            if (cj == QStringLiteral("0"))
                return QStringLiteral("0") + op;
            if (cj == QStringLiteral("1"))
                return RemoveZeroTerms(RebuildParts(parts, i, pi, j)) + op;
        }
    }
    return run;
}

QString clsBool::RemoveOneTerms(const QString& run)
{
    const QString op = OperatorOf(run);
    const QString r = run.left(run.size() - op.size());
    const QStringList parts = Parts(r);
    const int n = static_cast<int>(parts.size());
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (j == i || GetPartType(i, parts) != 4 || GetPartType(j, parts) != 4)
                continue;
            const QString& pi = parts[i - 1];
            const QString& pj = parts[j - 1];
            const QString ci = PartCore(pi);
            const QString cj = PartCore(pj);
            if (ci == cj && StripOperator(pi) == StripOperator(pj))
                return RemoveOneTerms(RebuildParts(parts, i, pi, j)) + op;
            if (ci == cj || cj == QStringLiteral("1"))
                return RemoveOneTerms(RebuildParts(parts, i, i == n ? QStringLiteral("1") : QStringLiteral("1v"), j)) + op;
            if (cj == QStringLiteral("0"))
                return RemoveOneTerms(RebuildParts(parts, i, pi, j)) + op;
        }
    }
    return run;
}

void clsBool::ShowTerm(int i, int x, int y)
{
    if (!Output || i < 1 || i > steps_.size())
        return;
    DrawTerm(*Output, QString::number(i) + QStringLiteral(") ") + steps_[i - 1], x, y, false);
}
