#pragma once
// The worksheet editor without a window: a fake for the ports, drawing on a
// surface that keeps nothing, and presses and moves at cell centres.
#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <utility>

#include "editing/worksheet_editor.h"
#include "model/geometry.h"
#include "placement/document/new_file.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/null_surface.h"
#include "render/clsGrafik.h"
#include "support/fake_main_window.h"

class EditorRig : public ::testing::Test {
protected:
    EditorRig() : g(s, &surface), undo(s), c{s, undo, nullptr}, editor(c, nullptr)
    {
        w.Attach(s);
        s.circuit.MaxX = 40;
        s.circuit.MaxY = 30;
        InitArbeitsfeld(s);
    }
    ~EditorRig() override { s.ports = Ports{}; }

    double Px(int i) const { return GridToPixel(s, static_cast<int16_t>(i)); }
    void Move(int x, int y, int buttons = 0) { editor.MouseMove(buttons, 0, Px(x), Px(y)); }
    void Press(int x, int y, int button = 1, int shift = 0) { editor.MouseDown(button, shift, Px(x), Px(y)); }
    void Release(int x, int y, int button = 1) { editor.MouseUp(button, 0, Px(x), Px(y)); }
    void Click(int x, int y, int button = 1, int shift = 0)
    {
        Move(x, y);
        Press(x, y, button, shift);
        Release(x, y, button);
    }
    // Press on the first cell, move through the others with the button held, release on the last.
    void Drag(std::initializer_list<std::pair<int, int>> path, int button = 1)
    {
        const auto first = *path.begin();
        Move(first.first, first.second);
        Press(first.first, first.second, button);
        std::pair<int, int> last = first;
        for (const auto& p : path) {
            Move(p.first, p.second, button);
            last = p;
        }
        Release(last.first, last.second, button);
    }
    // Chooses a tool as the window does: the last tool's outline goes.
    void Tool(uint8_t tool)
    {
        s.ToolMode = ToolFor(tool);
        editor.HidePlacementAids();
    }
    // Places a component of the tool at (x, y) as a click would; its number.
    int Place(uint8_t tool, int x, int y, Orientation orientation = Orientation::Right)
    {
        Tool(tool);
        s.PlaceOrientation = orientation;
        Click(x, y);
        return s.circuit.ElementCount();
    }
    // A conductor along row y from x1 to x2.
    void Run(int x1, int x2, int y)
    {
        for (int x = x1; x <= x2; ++x) {
            GridCell& cell = s.circuit.P(x, y);
            cell.Type = ElementType::Conductor;
            cell.ConLeft = x > x1 ? kTrue : kFalse;
            cell.ConRight = x < x2 ? kTrue : kFalse;
        }
    }
    // The cells that carry element n.
    std::set<std::pair<int, int>> CellsOf(int n) const
    {
        std::set<std::pair<int, int>> cells;
        for (int x = 0; x <= s.circuit.MaxX; ++x)
            for (int y = 0; y <= s.circuit.MaxY; ++y)
                if (s.circuit.P(x, y).ElementNr == n && s.circuit.P(x, y).Type > ElementType::Conductor)
                    cells.insert({x, y});
        return cells;
    }

    ProgramState s;
    FakeMainWindow w;
    NullSurface surface;
    clsGrafik g;
    clsUndo undo;
    PlacementContext c;
    WorksheetEditor editor;
};
