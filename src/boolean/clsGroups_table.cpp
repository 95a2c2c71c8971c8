// The truth table of the synthesis class's term, and its preview drawing.
#include "boolean/clsBool.h"
#include "boolean/clsGroups.h"

#include "boolean/boolean_ports.h"
#include "boolean/term_checks.h"
#include "boolean/term_display.h"
#include "boolean/term_parts.h"
#include "platform/numeric.h"
#include "platform/string_table.h"
#include "platform/user_dialogs.h"

using namespace term;

namespace {

constexpr int kResultKeyId = 6200;
constexpr int kDoneId = 6201;
constexpr int kAbortedId = 6202;
constexpr int kTruthTableTitleId = 6203;

} // namespace

bool TruthTableValue(int r, int v, int n, bool sorted)
{
    const int e = sorted ? n - v : v - 1;
    return (((r - 1) >> e) & 1) == 0;
}

void clsGroups::FillTabelleRows()
{
    if (!Tabelle)
        return;
    Tabelle->ClearRows();
    const int n = static_cast<int>(varList_.size()) - 1;
    const int rows = 1 << n;
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        for (int v = 1; v <= n; ++v)
            cells << (TruthTableValue(r, v, n, Sorted) ? QStringLiteral("1") : QStringLiteral("0"));
        Tabelle->AddRow(cells);
    }
}

QString clsGroups::InsertValues(const QString& t, int r) const
{
    if (!Tabelle || r < 1 || r > static_cast<int>(Tabelle->Rows().size()))
        return t;
    const QStringList& row = Tabelle->Rows()[static_cast<std::size_t>(r - 1)];
    QString out = t;
    for (int k = 0; k < out.size(); ++k) {
        if (!IsVariable(out[k]))
            continue;
        const int column = Tabelle->ColumnIndex(QString(out[k]));
        if (column >= 0 && column < row.size())
            out[k] = row[column].isEmpty() ? out[k] : row[column][0];
    }
    return out;
}

void clsGroups::CreateTabelle()
{
    clsBool simplifier;
    TextCaption ownLabel;
    simplifier.ErrorDevice = lblError ? lblError : &ownLabel;

    Corrected = false;
    Error = false;
    Term = SetAND(Term);
    if (CheckErrors())
        return;
    Term = CheckAnds(Term);
    Term = Correct(Term);
    SplitTerm(Term, 1, 0);
    if (Error) {
        ShowError(kTermUnknown);
        return;
    }
    CreateVarList();
    const int n = static_cast<int>(varList_.size()) - 1;
    // The row count must stay countable (2^14 rows at most); refuse before
    // anything is built.
    if (n > kMaxTermVariables) {
        ShowError(kTermTooManyVariables);
        return;
    }
    if (!Tabelle)
        return;
    const int rows = 1 << n;

    Tabelle->ClearColumns();
    for (int v = 1; v <= n; ++v)
        Tabelle->AddColumn(varList_[v], varList_[v], 130);
    Tabelle->AddColumn(LoadResString(kResultKeyId), QStringLiteral(" ="), 200);
    FillTabelleRows();

    const QString t0 = Term;
    QStringList results;
    results.reserve(rows);
    for (int r = 1; r <= rows; ++r) {
        Term = InsertValues(t0, r);
        simplifier.SetFormel(Term);
        simplifier.Vereinfache();
        Term = simplifier.Formel();
        results << QStringLiteral(" ") + Term;
        if (lblError) {
            lblError->SetCaption(QString::number(static_cast<long long>(Int(100.0 * r / rows))) + QStringLiteral("% ") +
                                 LoadResString(kDoneId));
        }
        if (ProcessEvents)
            ProcessEvents();
        if (Cancel) {
            Cancel = false;
            Term = t0;
            if (Dialogs) {
                Dialogs->ShowMessage(LoadResString(kAbortedId), MessageButtons::OK, MessageIcon::Exclamation,
                                     LoadResString(kTruthTableTitleId));
            }
            return;
        }
    }
    Tabelle->SetColumn(n, results);
    Term = t0;
}

void clsGroups::ShowTerm(const QString& term, int x, int y)
{
    if (Output)
        DrawTerm(*Output, term, x, y, true);
}
