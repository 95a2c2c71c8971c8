#pragma once
// The worksheet editor as the window sees it: it owns the pieces that edit
// the worksheet and passes the window's calls on to them. The window plugs
// its hooks in (EditorHooks) and paints the overlay.
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

#include "editing/area_move.h"
#include "editing/component_popup.h"
#include "editing/conductor_band.h"
#include "editing/editor_context.h"
#include "editing/label_editor.h"
#include "editing/object_move.h"
#include "editing/selection.h"
#include "editing/worksheet_mouse.h"
#include "editing/worksheet_overlay.h"

struct EngineContext;
struct PlacementContext;

class WorksheetEditor : public EditorHooks {
public:
    WorksheetEditor(PlacementContext& c, EngineContext* engine);
    WorksheetEditor(const WorksheetEditor&) = delete;
    WorksheetEditor& operator=(const WorksheetEditor&) = delete;

    EditorState st;
    WorksheetOverlay overlay;

private:
    EditorContext context_;
    // Has the view draw what changed.
    void Shown();

public:
    Selection selection;
    ConductorBand band;
    AreaMove area;
    ObjectMove objects;
    LabelEditor labels;
    WorksheetMouse mouse;

    // What each call changes on the sheet is drawn before it returns.
    void MouseDown(int button, int shift, double x, double y)
    {
        mouse.picGrid_MouseDown(button, shift, x, y);
        Shown();
    }
    void MouseMove(int buttons, int shift, double x, double y)
    {
        mouse.picGrid_MouseMove(buttons, shift, x, y);
        Shown();
    }
    void MouseUp(int button, int shift, double x, double y)
    {
        mouse.picGrid_MouseUp(button, shift, x, y);
        Shown();
    }
    void DblClick()
    {
        mouse.picGrid_DblClick();
        Shown();
    }
    void KeyPress(int keyAscii)
    {
        mouse.picGrid_KeyPress(keyAscii);
        Shown();
    }
    void HidePlacementAids() { mouse.HidePlacementAids(); }

    int16_t SelCount() const { return selection.SelCount(); }
    const CellBox& SelRect() const { return selection.Rect; }
    QString SelectionList() const { return selection.SelectionList(); }
    void SelectNone()
    {
        selection.SelectNone();
        Shown();
    }
    void SelectObject(int16_t n) { selection.SelectObject(n); }

    // Edit > Delete: the framed area, or else the selected components.
    void LoescheBereich()
    {
        area.LoescheBereich();
        Shown();
    }
    bool FrameFixed() const { return area.FrameFixed(); }
    QString FrameLabelText() const { return area.FrameLabelText(); }

    // The component popup menu's items for the cursor cell, and the chosen one.
    using PopupChoice = ::PopupChoice;
    PopupItems PopupItemsAtCursor();
    void PopupChosen(PopupChoice choice);

    void ChangeBeschriftung(const QString& mode)
    {
        labels.ChangeBeschriftung(mode);
        Shown();
    }
    bool CommitLabel(const QString& text)
    {
        const bool done = labels.CommitLabel(text);
        Shown();
        return done;
    }
    void CancelLabel()
    {
        labels.CancelLabel();
        Shown();
    }
    void CommitOpenLabel()
    {
        labels.CommitOpenLabel();
        Shown();
    }
    bool LabelFits(const QString& text) const { return labels.LabelFits(text); }
    QSizeF MeasureLabel(const QString& text) const { return labels.MeasureLabel(text); }
};
