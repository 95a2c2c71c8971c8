#include "editing/worksheet_editor.h"

#include "model/state.h"
#include "placement/conductor_markers.h"
#include "placement/placement_context.h"

WorksheetEditor::WorksheetEditor(PlacementContext& c, EngineContext* engine)
    : context_{c, c.s, st, overlay, *this},
      selection(context_),
      band(context_),
      area(context_, selection),
      objects(context_, selection),
      labels(context_),
      mouse(context_, engine, MouseTargets{selection, band, area, objects, labels})
{
}

PopupItems WorksheetEditor::PopupItemsAtCursor()
{
    ProgramState& s = context_.s;
    return PopupItemsAt(s, s.CursorX, s.CursorY);
}

void WorksheetEditor::PopupChosen(PopupChoice choice)
{
    context_.s.ToolMode = ToolCode::Select;
    switch (choice) {
    case PopupChoice::Delete: selection.DeleteObjects(); break;
    case PopupChoice::Negate: SetNegationsPunkt(context_.c); break;
    case PopupChoice::RemoveNegation: RemoveNegationsPunkt(context_.c); break;
    case PopupChoice::Edit:
        selection.SelectNone();
        labels.ChangeBeschriftung(QStringLiteral("EDIT"));
        break;
    }
    Shown();
}

void WorksheetEditor::Shown()
{
    context_.s.Changes.Flush();
}
