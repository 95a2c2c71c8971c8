#include "placement/document/new_file.h"

#include "model/circuit_tables.h"
#include "model/defaults.h"
#include "model/ports/all_ports.h"
#include "model/state.h"
#include "placement/document/tool_selection.h"
#include "platform/numeric.h"
#include "platform/string_table.h"

namespace {

constexpr int kStrUnsavedCaption = 2506;

void ClearICDefinition(ProgramState& s)
{
    s.circuit.ICName.clear();
    s.circuit.ICWidth = 0;
    s.circuit.ICHeight = 0;
    s.circuit.ICPinCount = 0;
    s.circuit.ICPins = QStringList{QString()};
    s.circuit.ICGraphicPins = QStringList{QString()};
}

} // namespace

void InitArbeitsfeld(ProgramState& s)
{
    s.circuit.P.Redim(s.circuit.MaxX + 1, s.circuit.MaxY + 1);
    ClearCircuitTables(s.circuit);

    s.objFile.FileName.clear();
    s.objFile.FilePath.clear();

    ResetClockSlots(s.circuit, 0);
    s.SelectedClock = 0;
    ClearICDefinition(s);
    s.ProbeCount = 0;

    const Ports& p = s.ports;
    if (p.clockTimers)
        p.clockTimers->UnloadClockTimers();
    if (p.icView) {
        p.icView->UnloadICConnectorLabels();
        p.icView->ResetICWindow();
    }
    if (p.levels)
        p.levels->RebuildLevelTree();
    // The undo history is there once the main window has loaded.
    if (p.undo)
        p.undo->DeleteUndoData();
    if (p.analyzer)
        p.analyzer->ResetAnalyser();
}

void NewFile(ProgramState& s, bool noRedraw)
{
    const Ports& p = s.ports;
    s.CmDialog1.FileName.clear();
    if (s.engine.PowerFlag != 0 && p.power)
        p.power->SwitchPowerOff();

    InitArbeitsfeld(s);

    if (p.worksheet) {
        p.worksheet->SetSizeBoxes(s.circuit.MaxX, s.circuit.MaxY);
        // A new worksheet starts at its top left corner.
        p.worksheet->ResetScrollBars();
    }
    if (p.analyzer)
        p.analyzer->SetAnalyserMenuEnabled(false);
    if (p.undo)
        p.undo->SetUndoListMenuEnabled(false);
    if (!noRedraw && p.worksheet) {
        p.worksheet->RedrawAllElements();
        p.worksheet->DrawGrid();
    }
    s.CmDialog1.FileName.clear();

    if (s.ToolMode == ToolCode::IC) {
        if (p.tools) {
            p.tools->ReleaseToolButton(QStringLiteral("cmdIC"));
            p.tools->PressToolButton(kConductorToolKey, kConductorToolIndex);
        }
        s.ToolMode = ToolCode::Conductor;
        s.PropertyWindowState.fill(false);
        if (p.tools) {
            p.tools->ChangePropertyWindow(s.PropertyWindowState);
            p.tools->ChangeSelPicture(ToolCode::Conductor);
            p.tools->CheckComponentMenuOnly(1);
        }
    }

    if (p.files)
        p.files->SetCaption(LoadResString(kStrUnsavedCaption));
}

namespace {

// A box holding fewer than two characters is left alone while typing.
QString ClampWhileTyping(const QString& text, double upper)
{
    if (text.size() < 2)
        return text;
    const double v = Val(text);
    if (v > upper)
        return QString::number(static_cast<int>(upper));
    if (v < 10)
        return QStringLiteral("10");
    return text;
}

QString ClampOnLeaving(const QString& text)
{
    const double v = Val(text);
    if (v < 10)
        return QStringLiteral("10");
    if (v > 100)
        return QStringLiteral("100");
    return text;
}

} // namespace

WorksheetSize SizeClassBoxes(uint8_t sizeClass)
{
    switch (sizeClass) {
    case 1: return {40, 25};
    case 2: return {60, 35};
    case 3: return {80, 50};
    default: return {};
    }
}

WorksheetSize SizeClassWorksheet(uint8_t sizeClass, const QString& widthBox, const QString& heightBox)
{
    switch (sizeClass) {
    case 1: return {40, 25};
    case 2: return {50, 30};
    case 3: return {70, 45};
    default:
        // Create can be reached by its access key without leaving a box, so the
        // leaving rule is applied here too: an empty or tiny box never makes a
        // worksheet of one cell.
        return {CInt(Val(ClampOnLeaving(widthBox))), CInt(Val(ClampOnLeaving(heightBox)))};
    }
}

QString WidthBoxChanged(const QString& text)
{
    return ClampWhileTyping(text, 100);
}

QString WidthBoxLeft(const QString& text)
{
    return ClampOnLeaving(text);
}

QString HeightBoxChanged(const QString& text)
{
    return ClampWhileTyping(text, 70);
}

QString HeightBoxLeft(const QString& text)
{
    return ClampOnLeaving(text);
}
