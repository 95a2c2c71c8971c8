// The view draws what the engine and the placing routines recorded, when it is
// flushed: a delayed run shows each pass during its wait, a piece drawn later
// shows the levels it changed with, and a placed component shows once its
// caller has the view draw it.
#include <gtest/gtest.h>

#include <QImage>

#include "model/components.h"
#include "model/geometry.h"
#include "model/state.h"
#include "placement/clsUndo.h"
#include "placement/basSetRemove.h"
#include "placement/placement_context.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "render/sheet_view.h"
#include "sheet_builder.h"
#include "simulation/engine.h"
#include "support/circuit_driver.h"

namespace {

constexpr QRgb kRed = 0xFF0000;

QRgb CellPixel(const CircuitDriver& d, int x, int y)
{
    return d.surface.Image().pixel(GridToPixel(d.s, static_cast<int16_t>(x)), GridToPixel(d.s, static_cast<int16_t>(y)))
        & 0xFFFFFF;
}

TEST(SheetView, EachWaitOfADelayedRunShowsThePassJustRun)
{
    CircuitDriver d;
    sheet::NewSheet(d.s, 14, 4);
    sheet::Wire(d.s, 1, 2, 12, 2);
    d.PowerOn();
    d.s.engine.DelaySetting = 1;
    // The High reaches one more cell per pass: at its n-th wait cells 2..n+1 are red.
    std::vector<int> redAtWait;
    d.onPump = [&](int) {
        int red = 0;
        for (int x = 2; x <= 12; ++x)
            red += CellPixel(d, x, 2) == kRed ? 1 : 0;
        redAtWait.push_back(red);
    };
    d.Click(1, 2);
    ASSERT_GE(redAtWait.size(), 11u);
    for (size_t n = 0; n < 11; ++n)
        EXPECT_EQ(redAtWait[n], static_cast<int>(n) + 1) << "wait " << n + 1;
    for (int x = 2; x <= 12; ++x)
        EXPECT_EQ(CellPixel(d, x, 2), kRed) << x;
}

TEST(SheetView, APieceDrawnLaterShowsTheLevelsItChangedWith)
{
    // A Low piece keeps the pixels of a conductor joining from above, by how
    // far depends on the levels of its two cells when it changed.
    ProgramState s;
    sheet::NewSheet(s, 8, 6);
    sheet::Wire(s, 1, 3, 6, 3);
    sheet::Wire(s, 3, 1, 3, 3);
    s.circuit.Levels.assign(1, LevelRecord{});
    s.circuit.Levels[0].Field = s.circuit.P;
    s.engine.PowerFlag = kTrue;
    RecordingSurface now;
    clsGrafik g(s, &now);
    for (int16_t here : {kTrue, kFalse}) {
        s.circuit.Levels[0].Field(3, 3).Value = here;
        s.circuit.Levels[0].Field(2, 3).Value = kTrue;
        now.ClearLog();
        g.DrawLines(3, 3, Direction::Right, 0);

        RecordingSurface later;
        SheetView view(s, g, &later);
        RecordPiece(s.circuit, s.Changes, 3, 3, Direction::Right, 0);
        s.circuit.Levels[0].Field(3, 3).Value = here == kTrue ? kFalse : kTrue;
        s.circuit.Levels[0].Field(2, 3).Value = kFalse;
        view.Flush();
        EXPECT_EQ(later.Log(), now.Log()) << "cell High: " << (here != 0);
    }
}

TEST(SheetView, APlacedComponentShowsWhenItsCallerFlushes)
{
    ProgramState s;
    sheet::NewSheet(s, 20, 20);
    s.circuit.Levels.assign(1, LevelRecord{});
    PainterSurface picture(21 * 14, 21 * 14);
    clsGrafik g(s, &picture);
    clsUndo undo(s);
    PlacementContext c{s, undo, nullptr};
    s.CursorX = 10;
    s.CursorY = 10;
    s.PlaceOrientation = Orientation::Right;

    SetGatter(c, ElementType::AND);
    EXPECT_EQ(s.circuit.ElementCount(), 1);
    EXPECT_TRUE(s.Changes.Empty()) << "nothing is kept while no view watches";

    SheetView view(s, g, &picture);
    const QImage blank = picture.Image().copy();
    s.CursorY = 15;
    SetGatter(c, ElementType::OR);
    EXPECT_EQ(s.circuit.ElementCount(), 2);
    EXPECT_TRUE(picture.Image() == blank) << "the placing routine itself draws nothing";
    s.Changes.Flush();
    EXPECT_FALSE(picture.Image() == blank);
    EXPECT_TRUE(s.Changes.Empty());
}

// Fault: pressing a clock generator failed with "Subscript out of range": the
// symbol recorded at a cell outside the sheet read that cell. No symbol
// routine reads a cell outside the sheet, with the power off or on.
TEST(SheetView, ASymbolRecordedOutsideTheSheetReadsNoCellThere)
{
    ProgramState s;
    sheet::NewSheet(s, 10, 8);
    s.circuit.Levels.assign(1, LevelRecord{});
    RecordingSurface picture;
    clsGrafik g(s, &picture);
    SheetView view(s, g, &picture);
    for (int16_t power : {kFalse, kTrue}) {
        s.engine.PowerFlag = power;
        s.circuit.Levels[0].Field = s.circuit.P;
        s.circuit.Levels[0].Elements = s.circuit.Elements;
        for (int type = 1; type < static_cast<int>(kElementTypeBound); ++type) {
            for (auto [x, y] : {std::pair{-2, 4}, {4, -3}, {12, 4}, {4, 30}}) {
                s.Changes.Element(static_cast<uint8_t>(type), x, y, Orientation::Right);
                EXPECT_NO_THROW(s.Changes.Flush()) << "type " << type << " at " << x << "," << y << " power " << power;
            }
        }
    }
}

} // namespace
