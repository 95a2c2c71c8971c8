#pragma once
// A worksheet of 40 x 30 cells with the placing routines' context: a
// recording main window, a hidden drawing surface, an undo history and
// scripted prompts.
#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "editing/mouse_dispatch.h"
#include "model/files/circuit_writer.h"
#include "placement/document/new_file.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/null_surface.h"
#include "render/clsGrafik.h"
#include "support/fake_main_window.h"
#include "support/scripted_user_dialogs.h"
#include "../render/sheet_builder.h"

class Placing : public ::testing::Test {
protected:
    static constexpr int kMaxX = 40;
    static constexpr int kMaxY = 30;

    Placing() : g(s, &surface), undo(s), c{s, undo, &dialogs} { StartAfresh(); }

    // The program state as at start-up (orientation, gate inputs, decoder
    // clock and every other tool setting), an empty worksheet and history.
    void StartAfresh()
    {
        s = ProgramState{};
        w.Attach(s);
        s.circuit.MaxX = kMaxX;
        s.circuit.MaxY = kMaxY;
        Reset();
    }

    // An empty worksheet and history (the fake window does not reach the history).
    void Reset()
    {
        InitArbeitsfeld(s);
        undo.DeleteUndoData(false);
    }

    // Runs a placing routine at (x, y) in orientation o; the new element's
    // number, or 0 when nothing was placed.
    template <typename F>
    int16_t PlaceAt(F&& set, int x, int y, Orientation o = Orientation::Right)
    {
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
        s.PlaceOrientation = o;
        const int16_t before = s.circuit.ElementCount();
        set(c);
        return s.circuit.ElementCount() > before ? s.circuit.ElementCount() : int16_t(0);
    }

    void CursorTo(int x, int y)
    {
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
    }
    // Removes the element at (x, y) as a click with the select tool does.
    void RemoveAt(int x, int y)
    {
        CursorTo(x, y);
        RemoveElement(c, s.CursorX, s.CursorY);
    }

    // A straight conductor between two cells of one row or column.
    void Wire(int x1, int y1, int x2, int y2) { sheet::Wire(s, x1, y1, x2, y2); }

    // Every link between two neighbouring cells is set on both sides.
    bool LinksAgree() const
    {
        for (int x = 0; x <= s.circuit.MaxX; ++x) {
            for (int y = 0; y <= s.circuit.MaxY; ++y) {
                if ((s.circuit.P(x, y).ConRight != 0) != (s.circuit.P(x + 1, y).ConLeft != 0))
                    return false;
                if ((s.circuit.P(x, y).ConDown != 0) != (s.circuit.P(x, y + 1).ConUp != 0))
                    return false;
            }
        }
        return true;
    }

    QByteArray FileBytes() { return CircuitFileBytes(s.circuit); }

    // The "[Timer]" section and everything after it.
    QByteArray TimerSection()
    {
        const QByteArray b = FileBytes();
        return b.mid(b.indexOf("[Timer]"));
    }

    ProgramState s;
    FakeMainWindow w;
    NullSurface surface;
    clsGrafik g;
    clsUndo undo;
    ScriptedUserDialogs dialogs;
    PlacementContext c;
};
