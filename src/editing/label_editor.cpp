#include "editing/label_editor.h"

#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/ports/worksheet_port.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "placement/placement_frame.h"
#include "platform/null_surface.h"
#include "platform/numeric.h"
#include "platform/string_table.h"

namespace {

constexpr int kUndoEnterText = 2618;

} // namespace

LabelEditor::LabelEditor(const EditorContext& e) : e_(e)
{
}

QSizeF LabelEditor::MeasureLabel(const QString& text) const
{
    NullSurface measure;
    measure.FontName = QStringLiteral("MS Sans Serif");
    measure.FontSize = static_cast<double>(e_.s.LabelFontSize * e_.s.GridMode);
    return QSizeF(measure.TextWidth(text), measure.TextHeight(text));
}

void LabelEditor::ChangeBeschriftung(const QString& mode)
{
    ProgramState& s = e_.s;
    const GridCell& cell = s.circuit.P(s.CursorX, s.CursorY);
    LabelEditBox target;
    if (mode == QStringLiteral("CREATE")) {
        if (cell.ElementNr != 0)
            return;
        target.X = s.CursorX;
        target.Y = s.CursorY;
    } else if (mode == QStringLiteral("EDIT")) {
        const int16_t n = cell.ElementNr;
        if (n < 1 || n > s.circuit.ElementCount() || s.circuit.Elements[static_cast<size_t>(n)].Type != ElementType::TextLabel)
            return;
        // A label is anchored at its first cell, not at the cell clicked.
        const PinPos anchor = InputPinsOf(s, n, 0).pin[0];
        target.Edit = true;
        target.ElementNr = n;
        target.X = anchor.X;
        target.Y = anchor.Y;
        target.Text = s.circuit.Elements[static_cast<size_t>(n)].Label;
    } else {
        return;
    }
    PromptBeschriftungsText(target);
}

void LabelEditor::PromptBeschriftungsText(const LabelEditBox& target)
{
    LabelEditBox& box = e_.overlay.txtBeschriftung;
    box = InitTextBox(target);
    box.Visible = true;
    e_.Changed();
}

LabelEditBox LabelEditor::InitTextBox(LabelEditBox box) const
{
    const ProgramState& s = e_.s;
    const double c = CInt(kGridPixel * s.GridMode);
    const QSizeF size = MeasureLabel(box.Text.isEmpty() ? QStringLiteral("X") : box.Text);
    box.FontSize = s.LabelFontSize * s.GridMode;
    box.Height = c / 5 + size.height();
    box.Left = GridToPixel(s, box.X);
    box.Top = GridToPixel(s, box.Y) - box.Height / 2;
    box.Width = box.Edit ? MeasureLabel(box.Text).width() + 20 : 5;
    return box;
}

CellBox LabelEditor::Covered(int16_t x, int16_t y, const QString& text) const
{
    const ProgramState& s = e_.s;
    const QSizeF size = MeasureLabel(text);
    const int16_t x2 = PixelToGrid(s, CLng(GridToPixel(s, x) + size.width()));
    int16_t y2 = PixelToGrid(s, CLng(GridToPixel(s, y) + size.height() / 2));
    if (y2 - 1 >= y)
        --y2;
    return CellBox{x, y, x2, y2};
}

bool LabelEditor::LabelFits(const QString& text) const
{
    const ProgramState& s = e_.s;
    const LabelEditBox& box = e_.overlay.txtBeschriftung;
    const CellBox r = Covered(box.X, box.Y, text);
    if (box.X < 0 || box.Y < 0 || r.X2 > s.circuit.MaxX || r.Y2 > s.circuit.MaxY)
        return false;
    for (int x = r.X1; x <= r.X2; ++x)
        for (int y = r.Y1; y <= r.Y2; ++y) {
            const GridCell& cell = s.circuit.P(x, y);
            const bool own = box.Edit && cell.ElementNr == box.ElementNr;
            if (!own && (cell.Type != ElementType::Empty || cell.ElementNr != 0))
                return false;
        }
    return true;
}

bool LabelEditor::CommitLabel(const QString& typed)
{
    ProgramState& s = e_.s;
    LabelEditBox& box = e_.overlay.txtBeschriftung;
    if (!box.Visible)
        return false;
    box.Visible = false;
    e_.Changed();
    // A ";" would end the label's field in the circuit file.
    QString text = typed;
    text.remove(QLatin1Char(';'));
    if (text.isEmpty())
        return false;
    // The whole rectangle is checked before anything changes.
    if (!LabelFits(text))
        return false;
    WorksheetPort* sheet = s.ports.worksheet;
    if (box.Edit) {
        ElementRecord& e = s.circuit.Elements[static_cast<size_t>(box.ElementNr)];
        const QString old = e.Label;
        e.Label = text;
        if (sheet)
            sheet->DisplayBeschriftungsText(box.ElementNr, old);
        return true;
    }
    const CellBox r = Covered(box.X, box.Y, text);
    e_.c.objUndo.NewUndo(r.X1, r.Y1, r.X2, r.Y2, LoadResString(kUndoEnterText));
    const int16_t n = AppendElement(s.circuit);
    ElementRecord& e = s.circuit.Elements[static_cast<size_t>(n)];
    e.SelfIndex = n;
    e.Type = ElementType::TextLabel;
    e.InPinList = QStringLiteral("X%1Y%2:").arg(r.X1).arg(r.Y1);
    e.Label = text;
    e.Orientation = Orientation::Right;
    for (int16_t cx = r.X1; cx <= r.X2; ++cx)
        for (int16_t cy = r.Y1; cy <= r.Y2; ++cy) {
            s.circuit.P(cx, cy).Type = ElementType::TextLabel;
            s.circuit.P(cx, cy).ElementNr = n;
        }
    s.FileSaved = kFalse;
    if (sheet)
        sheet->DisplayBeschriftungsText(n, QString());
    return true;
}

void LabelEditor::CancelLabel()
{
    if (!e_.overlay.txtBeschriftung.Visible)
        return;
    e_.overlay.txtBeschriftung.Visible = false;
    e_.Changed();
}

void LabelEditor::CommitOpenLabel()
{
    if (e_.overlay.txtBeschriftung.Visible)
        CommitLabel(e_.hooks.LabelBoxText ? e_.hooks.LabelBoxText() : QString());
}
