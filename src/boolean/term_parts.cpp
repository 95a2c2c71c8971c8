#include "boolean/term_parts.h"

#include <algorithm>

namespace term {

namespace {

bool EndsOperand(QChar c)
{
    return IsVariable(c) || IsConstant(c) || c == u')' || c == u'>';
}

bool StartsOperand(QChar c)
{
    return IsVariable(c) || IsConstant(c) || c == u'(' || c == u'<';
}

bool EndsWithOr(const QString& s)
{
    return s.endsWith(u'v');
}

} // namespace

QChar MapTermKey(QChar typed)
{
    if (typed == u'V')
        return u'v';
    if (typed >= u'a' && typed <= u'z' && typed != u'v')
        return typed.toUpper();
    if (typed == u'6')
        return u'&';
    if (typed == u'8')
        return u'(';
    if (typed == u'9')
        return u')';
    return typed;
}

QStringList SplitParts(const QString& t)
{
    QStringList parts;
    const int n = t.size();
    int pos = 0;
    while (pos < n) {
        const int start = pos;
        const QChar c = t[pos];
        if (c == u'(' || c == u'<') {
            const QChar close = c == u'(' ? u')' : u'>';
            int depth = 0;
            int k = pos;
            for (; k < n; ++k) {
                if (t[k] == c) {
                    ++depth;
                } else if (t[k] == close) {
                    if (--depth == 0)
                        break;
                }
            }
            // A negation of exactly one character is read as a plain operand.
            if (!(c == u'<' && k == start + 2)) {
                int end = k < n ? k + 1 : n;
                if (end < n)
                    ++end; // the operator that follows
                parts << t.mid(start, end - start);
                pos = end;
                continue;
            }
        }
        int depth = 1;
        int k = pos;
        for (; k < n; ++k) {
            const QChar ch = t[k];
            if (ch == u'(' || ch == u'<') {
                ++depth;
            } else if (ch == u')' || ch == u'>') {
                --depth;
            } else if (IsOperator(ch) && depth == 1) {
                ++k;
                break;
            }
        }
        parts << t.mid(start, k - start);
        pos = k;
    }
    return parts;
}

int CountParts(const QString& t)
{
    return static_cast<int>(SplitParts(t).size());
}

QString GetPart(const QString& t, int i)
{
    if (i < 1)
        return t;
    const QStringList parts = SplitParts(t);
    return i <= parts.size() ? parts[i - 1] : QString();
}

int GetPartType(int i, const QStringList& parts)
{
    const int n = static_cast<int>(parts.size());
    const QString p = (i >= 1 && i <= n) ? parts[i - 1] : QString();
    const QString q = (i >= 2 && i - 1 <= n) ? parts[i - 2] : QString();
    if ((EndsWithOr(p) && EndsWithOr(q)) || (i == 1 && EndsWithOr(p)) || (i == n && EndsWithOr(q)))
        return 4;
    return 3;
}

int GetPartType(int i, const QString& t)
{
    return GetPartType(i, SplitParts(t));
}

bool HasOuterOr(const QString& t)
{
    int depth = 0;
    for (QChar c : t) {
        if (c == u'(' || c == u'<')
            ++depth;
        else if (c == u')' || c == u'>')
            --depth;
        else if (c == u'v' && depth == 0)
            return true;
    }
    return false;
}

QString StripNeg(const QString& t)
{
    QString r = t;
    r.remove(u'<');
    r.remove(u'>');
    return r;
}

QString StripOperator(const QString& t)
{
    if (!t.isEmpty() && IsOperator(t.back()))
        return t.left(t.size() - 1);
    return t;
}

int MatchingClose(const QString& t, int p)
{
    if (p < 1 || p > t.size())
        return 0;
    const QChar open = t[p - 1];
    QChar close;
    if (open == u'(')
        close = u')';
    else if (open == u'<')
        close = u'>';
    else
        return 0;
    int depth = 0;
    for (int k = p - 1; k < t.size(); ++k) {
        if (t[k] == open) {
            ++depth;
        } else if (t[k] == close) {
            if (--depth == 0)
                return k + 1;
        }
    }
    return 0;
}

bool FullNegation(const QString& t)
{
    return t.startsWith(u'<') && MatchingClose(t, 1) == t.size();
}

QString CheckOuterBrackets(const QString& t)
{
    if (t.size() < 2 || !t.startsWith(u'('))
        return t;
    int depth = 0;
    for (int k = 0; k < t.size() - 1; ++k) {
        if (t[k] == u'(')
            ++depth;
        else if (t[k] == u')')
            --depth;
        if (depth == 0)
            return t;
    }
    return t.mid(1, t.size() - 2);
}

QString SetAND(const QString& t)
{
    QString r;
    r.reserve(t.size() * 2);
    for (int k = 0; k < t.size(); ++k) {
        r += t[k];
        if (k + 1 < t.size() && EndsOperand(t[k]) && StartsOperand(t[k + 1]))
            r += u'&';
    }
    return r;
}

QString CheckAnds(const QString& t, bool keepOuterNegation)
{
    const bool negated = keepOuterNegation && FullNegation(t);
    const QString work = negated ? t.mid(1, t.size() - 2) : t;
    const QStringList parts = SplitParts(work);
    const int n = static_cast<int>(parts.size());
    QString r;
    bool open = false;
    for (int i = 1; i <= n; ++i) {
        const QString& p = parts[i - 1];
        r += p;
        const int type = GetPartType(i, parts);
        if (type == 3 && p.endsWith(u'v')) {
            if (open) {
                r.chop(1);
                r += QStringLiteral(")v");
                open = false;
            }
            if (i < n && GetPartType(i + 1, parts) == 3) {
                r += u'(';
                open = true;
            }
        } else if (type == 4 && open) {
            if (i < n) {
                r.chop(1);
                r += QStringLiteral(")v");
            } else {
                r += u')';
            }
            open = false;
        } else if (type == 3 && i == n && open) {
            r += u')';
            open = false;
        }
    }
    return negated ? QStringLiteral("<") + r + QStringLiteral(">") : r;
}

QString RemoveDoubleNeg(const QString& t)
{
    QString work = t;
    QString op;
    if (!work.isEmpty() && IsOperator(work.back())) {
        op = work.back();
        work.chop(1);
    }
    while (work.startsWith(QStringLiteral("<<")) && work.endsWith(QStringLiteral(">>"))) {
        if (MatchingClose(work, 2) != work.size() - 1)
            break; // "<<A>v<B>>" is no double negation
        work = work.mid(2, work.size() - 4);
        if (op == QStringLiteral("&") && HasOuterOr(work))
            work = QStringLiteral("(") + work + QStringLiteral(")");
    }
    return work + op;
}

QString RemoveDoubleBrackets(const QString& t)
{
    if (t.size() < 5)
        return t;
    for (int p = 1; p < t.size(); ++p) {
        if (t[p - 1] != u'(' || t[p] != u'(')
            continue;
        const int outer = MatchingClose(t, p);
        const int inner = MatchingClose(t, p + 1);
        if (inner != 0 && outer == inner + 1) {
            QString r = t;
            r.remove(outer - 1, 1);
            r.remove(p - 1, 1);
            return r;
        }
    }
    return t;
}

int GetMaxNegDepth(const QString& t)
{
    int depth = 0;
    int deepest = 0;
    for (QChar c : t) {
        if (c == u'<')
            deepest = std::max(deepest, ++depth);
        else if (c == u'>')
            --depth;
    }
    return deepest;
}

int GetNegLevel(int p, const QString& t)
{
    int level = 0;
    for (int k = 0; k < p && k < t.size(); ++k) {
        if (t[k] == u'<')
            ++level;
        else if (t[k] == u'>')
            --level;
    }
    return level;
}

int GetNegEnd(int p, const QString& t)
{
    const int close = MatchingClose(t, p);
    const int end = close == 0 ? t.size() + 1 : close;
    int visible = 0;
    for (int k = p; k < end - 1; ++k) {
        if (t[k] != u'<' && t[k] != u'>')
            ++visible;
    }
    return visible;
}

int GetNegDepthAt(int p, const QString& t)
{
    int visible = 0;
    for (int k = 0; k < p - 1 && k < t.size(); ++k) {
        if (t[k] != u'<' && t[k] != u'>')
            ++visible;
    }
    return visible + 1;
}

} // namespace term
