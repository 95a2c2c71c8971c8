#pragma once
// A worksheet with the undo history, a recording main window and the IC
// definition files of tests/data/ic in a scratch IC directory.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/files/circuit_writer.h"
#include "placement/document/new_file.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/placement_context.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "support/fake_main_window.h"
#include "support/scripted_user_dialogs.h"

class UndoFixture : public ::testing::Test {
protected:
    explicit UndoFixture(int maxX = 40, int maxY = 30) : g(s, &rec), u(s), c{s, u, &dialogs}
    {
        w.Attach(s);
        s.circuit.MaxX = static_cast<int16_t>(maxX);
        s.circuit.MaxY = static_cast<int16_t>(maxY);
        InitArbeitsfeld(s);
        s.Verzeichnisse[1] = icDir.path() + QLatin1Char('/');
        for (const char* name : {"HALF.icd", "FULL.icd"})
            QFile::copy(QStringLiteral(GATREL_TEST_DATA "/ic/") + QLatin1String(name),
                        icDir.filePath(QLatin1String(name)));
    }

    void At(int x, int y)
    {
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
    }
    QByteArray File() { return CircuitFileBytes(s.circuit); }
    QStringList Steps() const
    {
        QStringList lines;
        u.ListUndos(lines);
        return lines;
    }
    // Horizontal or vertical conductor between two cells.
    void Wire(int x1, int y1, int x2, int y2)
    {
        for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) {
            for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
                GridCell& cell = s.circuit.P(x, y);
                if (cell.Type == 0)
                    cell.Type = ElementType::Conductor;
                if (y1 == y2) {
                    if (x < std::max(x1, x2))
                        cell.ConRight = kTrue;
                    if (x > std::min(x1, x2))
                        cell.ConLeft = kTrue;
                } else {
                    if (y < std::max(y1, y2))
                        cell.ConDown = kTrue;
                    if (y > std::min(y1, y2))
                        cell.ConUp = kTrue;
                }
            }
        }
    }

    QTemporaryDir icDir;
    ProgramState s;
    FakeMainWindow w;
    RecordingSurface rec;
    clsGrafik g;
    clsUndo u;
    ScriptedUserDialogs dialogs;
    PlacementContext c;
};
