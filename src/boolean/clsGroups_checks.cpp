// Checking and normalising the term of the synthesis class.
#include "boolean/clsGroups.h"

#include "boolean/term_checks.h"
#include "boolean/term_parts.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

using namespace term;

bool clsGroups::CheckErrors()
{
    const int code = FindTermFault(Term);
    if (code == 0)
        return false;
    ShowError(code);
    return true;
}

void clsGroups::ShowError(int code)
{
    Error = true;
    if (Dialogs) {
        Dialogs->ShowMessage(LoadResString(TermErrorResId(code, Minimised)), MessageButtons::OK,
                             MessageIcon::Critical, LoadResString(kTermErrorTitleId));
    }
}

QString clsGroups::Correct(const QString& t)
{
    QString r = t;
    for (;;) {
        const QString next = CheckOuterBrackets(r);
        if (next == r)
            break;
        r = next;
        Corrected = true;
    }
    const QString single = RemoveDoubleNeg(r);
    if (single != r) {
        r = single;
        Corrected = true;
    }
    for (;;) {
        const QString next = RemoveDoubleBrackets(r);
        if (next == r)
            break;
        r = next;
        Corrected = true;
    }
    r = RemovePartBrackets(r);
    return RemoveNegBrackets(r);
}

QString clsGroups::RemoveNegBrackets(const QString& t)
{
    const int n = static_cast<int>(t.size());
    if (n < 5)
        return t;
    if (t.startsWith(QStringLiteral("<(")) && t.endsWith(QStringLiteral(")>")) && MatchingClose(t, 2) == n - 1) {
        Corrected = true;
        return QStringLiteral("<") + t.mid(2, n - 4) + QStringLiteral(">");
    }
    if (t.startsWith(QStringLiteral("(<")) && t.endsWith(QStringLiteral(">)")) && MatchingClose(t, 2) == n - 1) {
        Corrected = true;
        return t.mid(1, n - 2);
    }
    return t;
}

QString clsGroups::RemovePartBrackets(const QString& t)
{
    QString r;
    const QStringList parts = SplitParts(t);
    for (const QString& part : parts) {
        const QString operand = StripOperator(part);
        const QString op = part.mid(operand.size());
        QString x = operand;
        if (!x.contains(u'&') && !x.contains(u'v') && x.size() > 2) {
            if (x.size() == 3 && x.startsWith(u'(') && x.endsWith(u')'))
                x = x.mid(1, 1);
            else if (x.size() == 5 && x.startsWith(QStringLiteral("(<")) && x.endsWith(QStringLiteral(">)")))
                x = x.mid(1, 3);
            else if (x.size() == 5 && x.startsWith(QStringLiteral("<(")) && x.endsWith(QStringLiteral(")>")))
                x = QStringLiteral("<") + x.mid(2, 1) + QStringLiteral(">");
        }
        x = RemoveNegBrackets(x);
        // An even number of negations around an operand cancels; what was
        // under them stays one operand.
        if (const QString plain = RemoveDoubleNeg(x); plain != x)
            x = parts.size() > 1 && HasOuterOr(plain) ? QStringLiteral("(") + plain + QStringLiteral(")") : plain;
        if (x != operand)
            Corrected = true;
        r += x + op;
    }
    return r;
}
