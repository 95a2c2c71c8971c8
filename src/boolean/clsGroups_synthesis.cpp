// Drawing a term onto the worksheet: switches on variable lines at the left,
// the gates in columns by nesting depth, conductors drawn as the user draws
// them with the conductor band, and an LED at the output.
#include "boolean/clsGroups.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include <QScopeGuard>

#include "boolean/gate_input_runs.h"
#include "boolean/term_checks.h"
#include "boolean/term_parts.h"
#include "editing/conductor_band.h"
#include "editing/editor_context.h"
#include "editing/label_editor.h"
#include "editing/worksheet_size.h"
#include "model/circuit_tables.h"
#include "model/components.h"
#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/ports/worksheet_port.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/basSetRemove.h"
#include "placement/conductor_markers.h"
#include "placement/placement_context.h"
#include "platform/numeric.h"

namespace {

// The widest gate the placing routines take.
const int kMaxGateInputs = Component(ElementType::AND).pins.maxInputs;

// The spacing boxes correct their values only when they lose the focus, so
// whatever reaches the synthesis is held to the same limits here.
void ClampLayout(clsGroups& g)
{
    g.AbstandBreite = std::clamp<int32_t>(g.AbstandBreite, 3, 9);
    g.AbstandHoehe = std::clamp<int32_t>(g.AbstandHoehe, 2, 7);
    g.AbstandVariablen = std::clamp<int32_t>(g.AbstandVariablen, 2, 5);
    g.StartX = std::clamp<int32_t>(g.StartX, 1, 20);
    g.StartY = std::clamp<int32_t>(g.StartY, 1, 20);
    g.AbstandSchaltungX = std::clamp<int32_t>(g.AbstandSchaltungX, 2, 20);
    g.AbstandSchaltungY = std::clamp<int32_t>(g.AbstandSchaltungY, 1, 20);
}

// An empty grid of the current size and an empty element table.
void ClearWorksheet(ProgramState& s)
{
    s.circuit.P.Redim(s.circuit.MaxX + 1, s.circuit.MaxY + 1);
    ClearCircuitTables(s.circuit);
}

// Where a gate placed with its output to the right at (x, y) has its pins.
// The real run reads them from the placed element; the dry run, which
// places nothing, takes them from here.
struct GatePins {
    int inputX = 0;
    int outputX = 0;
    std::vector<int> inputY;
    int outputY = 0;
    int bottom = 0; // lowest row of its footprint
};

GatePins PlannedGatePins(int x, int y, int inputs)
{
    GatePins p;
    p.inputX = x;
    p.outputX = x + 2;
    if (inputs == 2) {
        p.inputY = {y - 1, y + 1};
        p.outputY = y;
        p.bottom = y + 1;
        return p;
    }
    for (int i = 0; i < inputs; ++i)
        p.inputY.push_back(y - 1 + i);
    p.outputY = y - 1 + inputs / 2;
    p.bottom = y + inputs - 2;
    return p;
}

// One drawing of the group list. Without a placing context it is a dry run:
// nothing is placed, only the rows the drawing would reach are followed, so
// that the grid can be made large enough before the real run.
class Synthesis {
public:
    Synthesis(clsGroups& g, PlacementContext* c) : g_(g), c_(c)
    {
        const int vars = static_cast<int>(g.VarList().size()) - 1;
        lastVarX_ = (vars - 1) * g.AbstandVariablen + g.StartX;
        firstInputRow_ = g.StartY + g.AbstandSchaltungY;
        lowestRow_ = firstInputRow_;
        if (c_)
            e_.emplace(EditorContext{*c_, c_->s, st_, overlay_, hooks_});
    }

    int32_t GetVarX(const QString& name) const
    {
        const int i = static_cast<int>(g_.VarList().indexOf(name));
        return i < 1 ? 0 : (i - 1) * g_.AbstandVariablen + g_.StartX;
    }

    void CreateLevelX();
    void DrawVarHeads();
    void DrawGroups();

    const std::vector<int32_t>& LevelX() const { return LevelX_; }
    int LowestRow() const { return lowestRow_; }

private:
    void CreateMainLines();
    void DrawGroup(bool& more);
    // The input runs of the gate fed by the operands first .. first + count
    // - 1 of the group list, with the negation markers of its variables.
    void DrawStaggeredInputs(int first, int count, const GatePins& pins);
    void DrawWideInputs(int first, int count, const GatePins& pins);
    // The pin row of input p.
    static int PinRow(const GatePins& pins, int p)
    {
        return p < static_cast<int>(pins.inputY.size()) ? pins.inputY[static_cast<size_t>(p)] : pins.outputY;
    }
    // The pins of the gate placed for group k; empty when none was placed.
    std::optional<GatePins> SetElement(int yFirst, int yLast, int k, int last);
    void RouteConnection(int x1, int y1, int x2, int y2);
    void DrawLine(int x1, int y1, int x2, int y2);
    void ResizeVarLines();
    bool VerticalConductorIn(int x, int y1, int y2) const;
    void Reach(int row) { lowestRow_ = std::max(lowestRow_, row); }
    // The column where the gates of a synthesis level stand.
    int32_t LevelColumn(int level) const
    {
        return level >= 0 && level < static_cast<int>(LevelX_.size()) ? LevelX_[static_cast<size_t>(level)] : 0;
    }
    // Places a negation marker at (x, y) as the user would with the marker tool.
    void Negate(int x, int y);
    // After each step of the real run: pending events run, and a cancel
    // stops the drawing.
    void Yield();
    bool Stopped() const { return g_.Error || stopped_; }

    clsGroups& g_;
    PlacementContext* c_;
    EditorState st_;
    WorksheetOverlay overlay_;
    EditorHooks hooks_;
    std::optional<EditorContext> e_;
    int lastVarX_ = 0;
    int firstInputRow_ = 0;
    int rowCursor_ = 0;
    int lowestRow_ = 0;
    std::vector<int32_t> LevelX_;
    bool stopped_ = false;
};

void Synthesis::Yield()
{
    if (!c_ || stopped_)
        return;
    if (g_.ProcessEvents)
        g_.ProcessEvents();
    stopped_ = stopped_ || g_.Cancel;
}

void Synthesis::CreateLevelX()
{
    const auto& groups = g_.Groups();
    const int m = std::max(1, g_.MaxLevel(0));
    LevelX_.assign(static_cast<size_t>(m) + 1, 0);
    LevelX_[static_cast<size_t>(m)] = lastVarX_ + g_.AbstandSchaltungX;
    for (int L = m - 1; L >= 1; --L) {
        int32_t& x = LevelX_[static_cast<size_t>(L)];
        const int32_t next = LevelX_[static_cast<size_t>(L) + 1];
        for (size_t k = 1; k < groups.size(); ++k) {
            if (groups[k].Level != L)
                continue;
            const int parent = groups[k].Parent;
            const int n = parent >= 1 && parent < static_cast<int>(groups.size())
                            ? groups[static_cast<size_t>(parent)].Inputs
                            : 0;
            x = GateInputColumn(x, next, g_.AbstandBreite, n);
        }
    }
}

void Synthesis::DrawVarHeads()
{
    const QStringList& vars = g_.VarList();
    for (int v = 1; v < vars.size() && !Stopped(); ++v) {
        const int x = GetVarX(vars[v]);
        DrawLine(x, g_.StartY, x, g_.StartY + g_.AbstandSchaltungY);
        if (!c_ || Stopped())
            continue;
        ProgramState& s = c_->s;
        if (!PlaceSwitch(s.circuit, s.engine, c_->objUndo, At(x, g_.StartY))) {
            g_.Error = true;
            return;
        }
        LabelEditor label(*e_);
        LabelEditBox box;
        box.X = static_cast<int16_t>(x);
        box.Y = static_cast<int16_t>(g_.StartY - 1);
        label.PromptBeschriftungsText(box);
        label.CommitLabel(vars[v]);
        Yield();
    }
}

void Synthesis::DrawGroups()
{
    rowCursor_ = firstInputRow_;
    CreateLevelX();
    g_.CreateBranchLists();
    CreateMainLines();
    g_.CopyBranchRows();
    const auto& groups = g_.Groups();
    const auto isGate = [](const GroupRecord& g) { return g.IsGate(); };
    const int gates = static_cast<int>(std::count_if(groups.begin() + 1, groups.end(), isGate));
    bool more = true;
    for (int drawn = 0; more && !Stopped(); ++drawn) {
        if (c_ && g_.Progress)
            g_.Progress(drawn, gates);
        DrawGroup(more);
    }
    if (!Stopped())
        ResizeVarLines();
}

void Synthesis::CreateMainLines()
{
    const auto& groups = g_.Groups();
    auto& branches = g_.BranchLists();
    const int deepest = g_.MaxLevel(0);
    for (size_t b = 1; b < branches.size() && !Stopped(); ++b) {
        auto& branch = branches[b];
        const int mb = g_.MaxLevel(static_cast<int32_t>(b));
        const size_t count = branch.size() - 1;
        for (size_t j = 1; j <= count && !Stopped(); ++j) {
            GroupRecord& r = branch[j];
            const bool lastOfBranch = j == count;
            const bool occurrence =
                r.Level == mb || (r.Level < mb && (lastOfBranch || branch[j + 1].Level <= r.Level));
            if (!occurrence)
                continue;
            r.Row = rowCursor_;
            bool sharesWithGate = count == 1;
            for (size_t i = 1; i <= count && !sharesWithGate; ++i)
                sharesWithGate = branch[i].IsGate() && branch[i].Parent == r.Parent;
            const int x = GetVarX(r.Term);
            // Beside gates of the same parent the line ends where their
            // outputs end; otherwise it runs straight to its gate's input.
            if (sharesWithGate && deepest != 2)
                DrawLine(x, r.Row, LevelColumn(r.Level + 1) + 3, r.Row);
            else
                DrawLine(x, r.Row, LevelColumn(r.Level), r.Row);
            const int parentInputs = r.Parent >= 1 && r.Parent < static_cast<int>(groups.size())
                                       ? groups[static_cast<size_t>(r.Parent)].Inputs
                                       : 0;
            // A two-input gate stands three rows high with its inputs on the outer rows.
            const int close = parentInputs == 2 ? 2 : 1;
            if (count > 1 || deepest < 3) {
                if (!lastOfBranch)
                    rowCursor_ += !sharesWithGate && branch[j + 1].Level == r.Level ? close : g_.AbstandHoehe;
                else
                    rowCursor_ += mb < 3 ? close : g_.AbstandHoehe;
            } else {
                rowCursor_ += g_.AbstandHoehe;
            }
        }
    }
}

void Synthesis::DrawGroup(bool& more)
{
    auto& groups = g_.Groups();
    const int deepest = g_.MaxLevel(0);
    int end = static_cast<int>(groups.size()) - 1;
    while (end >= 1 && groups[static_cast<size_t>(end)].Level != deepest)
        --end;
    int start = end;
    while (start > 1 && groups[static_cast<size_t>(start) - 1].Level == deepest)
        --start;
    const int k = start - 1;
    if (k < 1) {
        more = false;
        return;
    }
    more = true;
    const std::optional<GatePins> pins =
        SetElement(groups[static_cast<size_t>(start)].Row, groups[static_cast<size_t>(end)].Row, k, end);
    if (g_.Error || !pins)
        return;
    if (groups[static_cast<size_t>(k)].Negation)
        Negate(pins->outputX, pins->outputY);

    const int c = end - start + 1;
    if (c >= kWideGateInputs)
        DrawWideInputs(start, c, *pins);
    else
        DrawStaggeredInputs(start, c, *pins);
    if (g_.Error)
        return;
    for (int j = end; j >= start; --j)
        g_.DelGroup(j);
    if (groups.size() - 1 > 1)
        return;
    // Only the root is left: its output line and the LED.
    const int xo = pins->outputX;
    const int yo = pins->outputY;
    DrawLine(xo, yo, xo + g_.AbstandBreite, yo);
    if (!c_ || g_.Error)
        return;
    ProgramState& s = c_->s;
    if (!PlaceLed(s.circuit, c_->objUndo, At(xo + g_.AbstandBreite, yo), s.LEDColor))
        g_.Error = true;
}

void Synthesis::DrawStaggeredInputs(int first, int count, const GatePins& pins)
{
    const int c = count;
    const double h = c / 2.0;
    const int upper = static_cast<int>(LevelX_.size()) - 1;
    const auto& groups = g_.Groups();
    const int xi = pins.inputX;
    for (int p = 0; p < c && !g_.Error; ++p) {
        const GroupRecord& op = groups[static_cast<size_t>(first + p)];
        const int yp = PinRow(pins, p);
        // The deepest operands of the first drawing were connected by the main lines.
        if (op.Level < upper) {
            const int xs = LevelColumn(op.Level + 1) + 3;
            const int r = op.Row;
            if (c == 2) {
                RouteConnection(xs, r, xi, yp);
            } else if (p <= h && h + pins.inputY.front() > r) {
                DrawLine(xs, r, xi - (p + 1), r);
                RouteConnection(xi - (p + 1), r, xi, yp);
            } else if (p > h) {
                // Staggered columns keep the runs of the lower inputs apart.
                const int k2 = static_cast<int>(std::floor(p + 1 - h));
                const int xr = static_cast<int>(RoundHalfEven(xi - (h - k2) - 1));
                DrawLine(xs, r, xr, r);
                RouteConnection(xr, r, xi, yp);
            } else {
                RouteConnection(xs, r, xi, yp);
            }
        }
        if (!g_.Error && !op.IsGate() && op.Negation)
            Negate(xi, yp);
    }
}

void Synthesis::DrawWideInputs(int first, int count, const GatePins& pins)
{
    const auto& groups = g_.Groups();
    const int upper = static_cast<int>(LevelX_.size()) - 1;
    std::vector<int> rows, pinRows;
    for (int p = 0; p < count; ++p) {
        rows.push_back(groups[static_cast<size_t>(first + p)].Row);
        pinRows.push_back(PinRow(pins, p));
    }
    const std::vector<GateInputRun> runs = WideGateColumns(pins.inputX, rows, pinRows);
    for (int p = 0; p < count && !g_.Error; ++p) {
        const GroupRecord& op = groups[static_cast<size_t>(first + p)];
        const GateInputRun& run = runs[static_cast<size_t>(p)];
        // The deepest operands of the first drawing were connected by the main lines.
        if (op.Level < upper) {
            const int xs = LevelColumn(op.Level + 1) + 3;
            if (run.row == run.pin) {
                DrawLine(xs, run.row, pins.inputX, run.pin);
            } else {
                if (run.column != xs)
                    DrawLine(xs, run.row, run.column, run.row);
                DrawLine(run.column, run.row, run.column, run.pin);
                DrawLine(run.column, run.pin, pins.inputX, run.pin);
            }
        }
        if (!g_.Error && !op.IsGate() && op.Negation)
            Negate(pins.inputX, run.pin);
    }
}

std::optional<GatePins> Synthesis::SetElement(int yFirst, int yLast, int k, int last)
{
    if (stopped_)
        return std::nullopt;
    auto& groups = g_.Groups();
    GroupRecord& gate = groups[static_cast<size_t>(k)];
    const int n = gate.Inputs;
    if (n > kMaxGateInputs) {
        // The dry run stays silent; the real run tells the user.
        if (c_)
            g_.ShowError(kTermTooManyInputs);
        else
            g_.Error = true;
        return std::nullopt;
    }
    const int y = static_cast<int>(std::floor((yLast - yFirst) / 2.0 - n / 2.0)) + yFirst + (n == 2 ? 1 : 2);
    const int x = LevelColumn(groups[static_cast<size_t>(last)].Level);
    GatePins pins = PlannedGatePins(x, y, n);
    Reach(pins.bottom);
    if (c_) {
        ProgramState& s = c_->s;
        Placed placed;
        if (x >= 0 && y >= 0 && x <= s.circuit.MaxX && y <= s.circuit.MaxY) {
            const uint8_t type = gate.Term == QStringLiteral("&") ? ElementType::AND : ElementType::OR;
            // A gate never has fewer than two inputs.
            placed = PlaceGate(s.circuit, c_->objUndo, At(x, y), Orientation::Right, std::max(n, 2), type);
        }
        if (!placed) {
            // No room for it: the drawing cannot go on.
            g_.Error = true;
            return std::nullopt;
        }
        const ElementPins in = InputPinsOf(s, placed.element, 0);
        const ElementPins out = OutputPinsOf(s, placed.element, 0);
        pins.inputX = in.pin[0].X;
        pins.inputY.clear();
        for (int i = 0; i < in.count; ++i)
            pins.inputY.push_back(in.pin[static_cast<size_t>(i)].Y);
        pins.outputX = out.pin[0].X;
        pins.outputY = out.pin[0].Y;
    }
    gate.Row = pins.outputY;
    DrawLine(x + 2, pins.outputY, x + 3, pins.outputY);
    return pins;
}

bool Synthesis::VerticalConductorIn(int x, int y1, int y2) const
{
    const ProgramState& s = c_->s;
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
        if (s.circuit.P.Contains(x, y) && (s.circuit.P(x, y).ConUp != 0 || s.circuit.P(x, y).ConDown != 0))
            return true;
    }
    return false;
}

void Synthesis::RouteConnection(int x1, int y1, int x2, int y2)
{
    int column = x1;
    if (c_) {
        for (int x = x1; x < x2; ++x) {
            if (VerticalConductorIn(x, y1, y2))
                ++column;
            else if (x == x1)
                break;
        }
    }
    if (column != x1)
        DrawLine(x1, y1, column, y1);
    DrawLine(column, y1, column, y2);
    DrawLine(column, y2, x2, y2);
}

void Synthesis::DrawLine(int x1, int y1, int x2, int y2)
{
    if (Stopped())
        return;
    Reach(std::max(y1, y2));
    if (!c_)
        return;
    ProgramState& s = c_->s;
    auto inside = [&s](int x, int y) { return x >= 0 && y >= 0 && x <= s.circuit.MaxX && y <= s.circuit.MaxY; };
    if (!inside(x1, y1) || !inside(x2, y2)) {
        // A line off the worksheet would be drawn along its border instead.
        g_.Error = true;
        return;
    }
    if (x1 != x2 && y1 != y2)
        return;
    auto G = [&s](int i) { return static_cast<double>(GridToPixel(s, static_cast<int16_t>(i))); };
    OverlayLine& H = overlay_.LeitungH;
    OverlayLine& V = overlay_.LeitungV;
    if (y1 != y2) {
        st_.PullV = true;
        st_.PullH = false;
        V = OverlayLine{true, G(x1), G(y1), G(x1), G(y2)};
        H = OverlayLine{false, G(x1), G(y2), G(x1), G(y2)};
    } else {
        st_.PullH = true;
        st_.PullV = false;
        H = OverlayLine{true, G(x1), G(y1), G(x2), G(y2)};
        V = OverlayLine{false, G(x2), G(y2), G(x2), G(y2)};
    }
    ConductorBand(*e_).SetLines();
    Yield();
}

void Synthesis::ResizeVarLines()
{
    if (!c_)
        return;
    ProgramState& s = c_->s;
    const QStringList& vars = g_.VarList();
    auto startsHere = [&s](int x, int y) {
        const GridCell& cell = s.circuit.P(x, y);
        return cell.ConRight != 0 && cell.ConLeft == 0;
    };
    for (int v = 1; v < vars.size() && !Stopped(); ++v) {
        const int x = GetVarX(vars[v]);
        for (int y = firstInputRow_; y <= s.circuit.MaxY && !Stopped(); ++y) {
            if (s.circuit.P.Contains(x, y) && startsHere(x, y))
                DrawLine(x, firstInputRow_, x, y);
        }
        for (int y = firstInputRow_; y <= s.circuit.MaxY && !Stopped(); ++y) {
            if (s.circuit.P.Contains(x, y) && startsHere(x, y) && s.circuit.P(x, y).ConDown != 0) {
                SetKnotenpunkt(*c_, static_cast<int16_t>(x), static_cast<int16_t>(y), false);
                Yield();
            }
        }
    }
}

void Synthesis::Negate(int x, int y)
{
    if (!c_ || stopped_)
        return;
    PlaceNegationMarker(c_->s, c_->objUndo, At(x, y));
}

// Steps shared by the check and the drawing: the term written out, checked,
// normalised and split. False (with the message shown) when it fails.
bool PrepareTerm(clsGroups& g)
{
    g.Corrected = false;
    g.Error = false;
    const int parts = term::CountParts(g.Term);
    g.Term = term::SetAND(g.Term);
    if (g.Term.size() < 3 || parts == 0) {
        g.ShowError(kTermIncomplete);
        return false;
    }
    if (g.CheckErrors())
        return false;
    g.Term = g.Correct(term::CheckAnds(term::SetAND(g.Term)));
    g.SplitTerm(g.Term, 1, 0);
    if (g.Error) {
        g.ShowError(kTermUnknown);
        return false;
    }
    return true;
}

} // namespace

bool clsGroups::CheckSynthesis()
{
    ClampLayout(*this);
    if (!PrepareTerm(*this))
        return false;
    CountChildren();
    for (size_t k = 1; k < groups_.size(); ++k) {
        if (groups_[k].Inputs > kMaxGateInputs) {
            ShowError(kTermTooManyInputs);
            return false;
        }
    }
    return true;
}

void clsGroups::CreateGroups()
{
    Q_ASSERT(Placement);
    if (!Placement) {
        Error = true;
        return;
    }
    PlacementContext& c = *Placement;
    ProgramState& s = c.s;
    ClampLayout(*this);
    if (!PrepareTerm(*this))
        return;

    // The placing routines' changes are not drawn one by one: the worksheet
    // shows the circuit once it is complete.
    s.Changes.Flush();
    const auto restore = qScopeGuard([&] {
        s.Changes.Discard();
        s.AutoJunction = kTrue;
    });
    s.AutoJunction = kFalse;

    CountChildren();
    CreateVarList();
    if (ConvertTo != 0)
        Convert(ConvertTo);
    ShowGroups();

    // A dry run on a copy of the group list finds the rows the drawing
    // reaches, so that no placing runs off the grid.
    clsGroups plan = *this;
    plan.Dialogs = nullptr;
    plan.tvwGroups = nullptr;
    plan.Placement = nullptr;
    Synthesis dry(plan, nullptr);
    dry.DrawVarHeads();
    dry.DrawGroups();

    s.circuit.MaxX = static_cast<int16_t>(std::clamp<int>(dry.LevelX().at(1) + 3, 10, 32000));
    s.circuit.MaxY = static_cast<int16_t>(std::clamp<int>(dry.LowestRow() + 2, 10, 32000));
    ClearWorksheet(s);

    Synthesis draw(*this, &c);
    draw.DrawVarHeads();
    draw.DrawGroups();
    s.Changes.Discard();
    if (Cancel)
        return;

    // The worksheet never shrinks below its last occupied row and column
    // plus one, so asking for 1 x 1 fits it to the circuit.
    WorksheetPort* sheet = s.ports.worksheet;
    if (!SetNewSize(s.circuit, sheet, 1, 1) && sheet) {
        sheet->RedrawAllElements();
        sheet->ResizeWorksheet();
    }
    if (Error) {
        ShowError(kTermUnknown);
        ClearWorksheet(s);
        if (sheet)
            sheet->RedrawAllElements();
    }
    // The steps of the drawing cannot be undone one by one.
    c.objUndo.DeleteAllUndo();
}
