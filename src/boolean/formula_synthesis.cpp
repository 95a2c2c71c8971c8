#include "boolean/formula_synthesis.h"

#include <QString>

#include "boolean/clsGroups.h"
#include "placement/document/file_commands.h"
#include "placement/document/new_file.h"
#include "model/ports/worksheet_port.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"

#include <QScopeGuard>

namespace {

// The fixed layout of a circuit drawn from the command line.
void SetCommandLineLayout(clsGroups& g)
{
    g.StartX = 3;
    g.StartY = 3;
    g.AbstandVariablen = 2;
    g.AbstandSchaltungY = 3;
    g.AbstandSchaltungX = 3;
    g.AbstandBreite = 4;
    g.AbstandHoehe = 4;
    g.ConvertTo = 0;
}

} // namespace

bool CreateFile(PlacementContext& c, UserDialogs& dialogs, const QString& typed)
{
    QString term = typed;
    term.removeIf([](QChar ch) { return ch.isSpace(); });

    // A term that cannot be drawn leaves the circuit as it is.
    clsGroups probe;
    probe.Dialogs = &dialogs;
    SetCommandLineLayout(probe);
    probe.Term = term;
    if (!probe.CheckSynthesis())
        return false;
    if (!ConfirmReplace(c.s, dialogs))
        return false;

    NewFile(c.s, false);
    // No tree view: the group tree of a typed term (frmBool's) is never shown.
    clsGroups groups;
    groups.Dialogs = &dialogs;
    groups.Placement = &c;
    SetCommandLineLayout(groups);
    groups.Term = term;
    groups.CreateGroups();
    return true;
}

void CreateGroupsAside(PlacementContext& c, clsGroups& g)
{
    // A worksheet of the same size and settings, without any window.
    ProgramState aside;
    aside.circuit.MaxX = c.s.circuit.MaxX;
    aside.circuit.MaxY = c.s.circuit.MaxY;
    aside.settings = c.s.settings;
    InitArbeitsfeld(aside);
    clsUndo undo(aside);
    PlacementContext drawing{aside, undo, c.dialogs};
    g.Placement = &drawing;
    const auto back = qScopeGuard([&] { g.Placement = &c; });
    g.CreateGroups();
    if (g.Cancel)
        return;

    NewFile(c.s, true);
    c.s.circuit = std::move(aside.circuit);
    if (WorksheetPort* sheet = c.s.ports.worksheet) {
        sheet->SetSizeBoxes(c.s.circuit.MaxX, c.s.circuit.MaxY);
        sheet->RedrawAllElements();
        sheet->ResizeWorksheet();
    }
    // The steps of the drawing cannot be undone one by one.
    c.objUndo.DeleteAllUndo();
}
