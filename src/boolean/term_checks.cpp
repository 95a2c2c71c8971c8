#include "boolean/term_checks.h"

#include <QStringList>
#include <vector>

namespace {

enum class Nesting { Sound, Negation, Brackets };

Nesting CheckNesting(const QString& t)
{
    std::vector<QChar> open;
    QChar previous;
    for (QChar c : t) {
        if (c == u'(' || c == u'<') {
            open.push_back(c);
        } else if (c == u'>') {
            if (open.empty() || open.back() != u'<' || previous == u'<')
                return Nesting::Negation;
            open.pop_back();
        } else if (c == u')') {
            if (!open.empty() && open.back() == u'<')
                return Nesting::Negation; // "(<A)>": the negation leaves its bracket
            if (open.empty() || previous == u'(')
                return Nesting::Brackets;
            open.pop_back();
        }
        previous = c;
    }
    for (QChar c : open) {
        if (c == u'<')
            return Nesting::Negation;
    }
    return open.empty() ? Nesting::Sound : Nesting::Brackets;
}

bool ContainsAny(const QString& t, std::initializer_list<const char*> pieces)
{
    for (const char* p : pieces) {
        if (t.contains(QLatin1String(p)))
            return true;
    }
    return false;
}

bool PairFault(const QString& t, QChar open, QChar close, std::initializer_list<const char*> pieces)
{
    return t.isEmpty() || t.back() == open || t.front() == close || t.count(open) != t.count(close) ||
           ContainsAny(t, pieces);
}

bool ValidSymbol(QChar c)
{
    return (c >= u'A' && c <= u'Z') || c == u'(' || c == u')' || c == u'<' || c == u'>' || c == u'&' ||
           c == u'v';
}

} // namespace

int FindTermFault(const QString& t)
{
    if (t.size() < 3 || (t.size() == 3 && t.startsWith(u'<')))
        return kTermIncomplete;
    if (ContainsAny(t, {"vv", "&&", "&v", "v&"}))
        return kTermOperators;
    const Nesting nesting = CheckNesting(t);
    if (PairFault(t, u'<', u'>', {"&>", "v>", "<v", "<&"}) || nesting == Nesting::Negation)
        return kTermNegation;
    for (QChar c : t) {
        if (!ValidSymbol(c))
            return kTermSymbol;
    }
    if (PairFault(t, u'(', u')', {"&)", "v)", "(v", "(&"}) || nesting == Nesting::Brackets)
        return kTermBrackets;
    const QChar first = t.front();
    const QChar last = t.back();
    if (first == u')' || first == u'>' || first == u'&' || first == u'v' || last == u'(' || last == u'<' ||
        last == u'&' || last == u'v')
        return kTermPosition;
    return 0;
}

int TermErrorResId(int code, bool simplified)
{
    switch (code) {
    case kTermOperators:
        return 6204;
    case kTermNegation:
        return 6205;
    case kTermSymbol:
        return 6206;
    case kTermBrackets:
        return 6207;
    case kTermPosition:
        return 6208;
    case kTermIncomplete:
        return simplified ? 6210 : 6209;
    case kTermTooManyInputs:
        return 6211;
    case kTermTooManyVariables:
        return 6198;
    default:
        return 6212;
    }
}
