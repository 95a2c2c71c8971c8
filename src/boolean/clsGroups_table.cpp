// The truth table of the synthesis class's term, and its preview drawing.
#include "boolean/clsGroups.h"

#include "boolean/boolean_ports.h"
#include "boolean/term_checks.h"
#include "boolean/term_display.h"
#include "boolean/term_parts.h"
#include "boolean/term_program.h"
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
    // The term is compiled once; each row is a short run of the program
    // instead of a rewriting of the text.
    const std::optional<TermProgram> program = TermProgram::Compile(Term, varList_.mid(1));
    if (!program) {
        ShowError(kTermUnknown);
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
    const QString done = QStringLiteral("% ") + LoadResString(kDoneId);
    QStringList results;
    results.reserve(rows);
    long long shown = -1;
    for (int r = 1; r <= rows; ++r) {
        uint32_t values = 0;
        for (int v = 1; v <= n; ++v)
            values |= uint32_t{TruthTableValue(r, v, n, Sorted)} << (v - 1);
        results << (program->Evaluate(values) ? QStringLiteral(" 1") : QStringLiteral(" 0"));
        const auto percent = static_cast<long long>(Int(100.0 * r / rows));
        if (lblError && percent != shown) {
            lblError->SetCaption(QString::number(percent) + done);
            shown = percent;
        }
        if (Progress)
            Progress(r, rows);
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
