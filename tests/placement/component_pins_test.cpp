// Footprints and pin lists of every component in every orientation, written
// out from the component tables, and the border refusals they imply.
#include <functional>
#include <random>
#include <set>

#include "editing/component_tools.h"
#include "editing/mouse_dispatch.h"
#include "model/components.h"
#include "model/footprint.h"
#include "model/pin_lists.h"
#include "placement/clock_slots.h"
#include "placement/basSetRemove.h"
#include "placing_fixture.h"

namespace {

struct Offset {
    int dx;
    int dy;
};

struct Shape {
    const char* name;
    uint8_t type;
    Orientation o;
    std::function<void(PlacementContext&)> set;
    Offset topLeft;
    Offset bottomRight;
    std::vector<Offset> in;
    std::vector<Offset> out;
    // Rows or columns a footprint may reach beyond the general border rule.
    int slackLeft = 0;
    int slackTop = 0;
    int slackRight = 0;
    int slackBottom = 0;
};

// Short names for the orientations in the tables below.
constexpr Orientation L = Orientation::Left, R = Orientation::Right, U = Orientation::Up, D = Orientation::Down;

auto Gate(uint8_t type)
{
    return [type](PlacementContext& c) { SetGatter(c, type); };
}

// Written from the tables, anchor (X, Y) = (0, 0).
std::vector<Shape> Shapes()
{
    using V = std::vector<Offset>;
    const uint8_t AND = ElementType::AND;
    return {
        {"AND3", AND, R, Gate(AND), {0, -1}, {2, 1}, V{{0, -1}, {0, 0}, {0, 1}}, V{{2, 0}}},
        {"AND3", AND, L, Gate(AND), {-2, -1}, {0, 1}, V{{0, -1}, {0, 0}, {0, 1}}, V{{-2, 0}}},
        {"AND3", AND, U, Gate(AND), {-1, -2}, {1, 0}, V{{-1, 0}, {0, 0}, {1, 0}}, V{{0, -2}}},
        {"AND3", AND, D, Gate(AND), {-1, 0}, {1, 2}, V{{-1, 0}, {0, 0}, {1, 0}}, V{{0, 2}}},
        {"HA", ElementType::HalfAdder, R, SetHA, {0, -1}, {3, 1}, V{{0, -1}, {0, 1}, {0, 0}}, V{{3, -1}, {3, 1}}},
        {"HA", ElementType::HalfAdder, L, SetHA, {-3, -1}, {0, 1}, V{{0, -1}, {0, 1}, {0, 0}}, V{{-3, -1}, {-3, 1}}},
        {"HA", ElementType::HalfAdder, U, SetHA, {-1, -3}, {1, 0}, V{{1, 0}, {-1, 0}, {0, 0}}, V{{1, -3}, {-1, -3}}},
        {"HA", ElementType::HalfAdder, D, SetHA, {-1, 0}, {1, 3}, V{{1, 0}, {-1, 0}, {0, 0}}, V{{1, 3}, {-1, 3}}},
        {"FA", ElementType::FullAdder, R, SetVA, {0, -1}, {3, 1}, V{{0, -1}, {0, 1}, {0, 0}}, V{{3, -1}, {3, 1}}},
        {"FA", ElementType::FullAdder, U, SetVA, {-1, -3}, {1, 0}, V{{1, 0}, {-1, 0}, {0, 0}}, V{{1, -3}, {-1, -3}}},
        {"SR", ElementType::ShiftRegister, R, SetSRegister, {0, -1}, {8, 1}, V{{0, -1}, {0, 1}, {0, 0}},
         V{{8, -1}, {8, 1}}},
        {"SR", ElementType::ShiftRegister, L, SetSRegister, {-8, -1}, {0, 1}, V{{0, -1}, {0, 1}, {0, 0}},
         V{{-8, -1}, {-8, 1}}},
        {"SR", ElementType::ShiftRegister, U, SetSRegister, {-1, -8}, {1, 0}, V{{1, 0}, {-1, 0}, {0, 0}},
         V{{1, -8}, {-1, -8}}},
        {"SR", ElementType::ShiftRegister, D, SetSRegister, {-1, 0}, {1, 8}, V{{1, 0}, {-1, 0}, {0, 0}},
         V{{1, 8}, {-1, 8}}},
        {"DEC", ElementType::Decoder, R, SetDecoder, {0, -5}, {2, 4}, V{{0, -2}, {0, -1}, {0, 0}},
         V{{2, -4}, {2, -3}, {2, -2}, {2, -1}, {2, 0}, {2, 1}, {2, 2}, {2, 3}}},
        {"DEC", ElementType::Decoder, L, SetDecoder, {-2, -5}, {0, 4}, V{{0, -2}, {0, -1}, {0, 0}},
         V{{-2, -4}, {-2, -3}, {-2, -2}, {-2, -1}, {-2, 0}, {-2, 1}, {-2, 2}, {-2, 3}}},
        {"DEC", ElementType::Decoder, U, SetDecoder, {-4, -2}, {5, 0}, V{{2, 0}, {1, 0}, {0, 0}},
         V{{4, -2}, {3, -2}, {2, -2}, {1, -2}, {0, -2}, {-1, -2}, {-2, -2}, {-3, -2}}},
        {"DEC", ElementType::Decoder, D, SetDecoder, {-4, 0}, {5, 2}, V{{2, 0}, {1, 0}, {0, 0}},
         V{{4, 2}, {3, 2}, {2, 2}, {1, 2}, {0, 2}, {-1, 2}, {-2, 2}, {-3, 2}}},
        {"MUX", ElementType::Multiplexer, R, SetMultiplexer, {0, -2}, {4, 2},
         V{{0, 2}, {0, 1}, {0, 0}, {0, -1}, {2, -2}, {3, -2}}, V{{4, 1}}},
        {"MUX", ElementType::Multiplexer, L, SetMultiplexer, {-4, -2}, {0, 2},
         V{{0, 2}, {0, 1}, {0, 0}, {0, -1}, {-3, -2}, {-2, -2}}, V{{-4, 1}}},
        {"MUX", ElementType::Multiplexer, U, SetMultiplexer, {-2, -4}, {2, 0},
         V{{1, 0}, {0, 0}, {-1, 0}, {-2, 0}, {2, -3}, {2, -2}}, V{{-1, -4}}},
        {"MUX", ElementType::Multiplexer, D, SetMultiplexer, {-2, 0}, {2, 4},
         V{{1, 0}, {0, 0}, {-1, 0}, {-2, 0}, {2, 2}, {2, 3}}, V{{-1, 4}}},
        {"FF", ElementType::FlipFlop, R, SetFlipFlop, {0, -1}, {5, 1}, V{{0, -1}, {0, 0}, {0, 1}, {2, -1}, {2, 1}},
         V{{5, -1}, {5, 1}}},
        {"FF", ElementType::FlipFlop, L, SetFlipFlop, {-5, -1}, {0, 1},
         V{{0, -1}, {0, 0}, {0, 1}, {-3, -1}, {-3, 1}}, V{{-5, -1}, {-5, 1}}},
        {"FF", ElementType::FlipFlop, U, SetFlipFlop, {-1, -5}, {1, 0},
         V{{1, 0}, {0, 0}, {-1, 0}, {1, -3}, {-1, -3}}, V{{1, -5}, {-1, -5}}},
        {"FF", ElementType::FlipFlop, D, SetFlipFlop, {-1, 0}, {1, 5}, V{{1, 0}, {0, 0}, {-1, 0}, {1, 2}, {-1, 2}},
         V{{1, 5}, {-1, 5}}},
        {"TRI", ElementType::TriState, R, SetTriState, {0, -1}, {2, 1}, V{{0, -1}, {0, 1}}, V{{2, 0}}, 0, 1, 0, 1},
        {"TRI", ElementType::TriState, L, SetTriState, {-2, -1}, {0, 1}, V{{0, -1}, {0, 1}}, V{{-2, 0}}, 0, 1, 0, 1},
        {"TRI", ElementType::TriState, U, SetTriState, {-1, -2}, {1, 0}, V{{-1, 0}, {1, 0}}, V{{0, -2}}, 1, 0, 1, 0},
        {"TRI", ElementType::TriState, D, SetTriState, {-1, 0}, {1, 2}, V{{-1, 0}, {1, 0}}, V{{0, 2}}, 1, 0, 1, 0},
        {"INV", ElementType::Inverter, R, SetInverter, {0, 0}, {1, 0}, V{{0, 0}}, V{{1, 0}}},
        {"INV", ElementType::Inverter, L, SetInverter, {-1, 0}, {0, 0}, V{{0, 0}}, V{{-1, 0}}},
        {"INV", ElementType::Inverter, U, SetInverter, {0, -1}, {0, 0}, V{{0, 0}}, V{{0, -1}}},
        {"INV", ElementType::Inverter, D, SetInverter, {0, 0}, {0, 1}, V{{0, 0}}, V{{0, 1}}},
        {"7SEG", ElementType::SevenSegment, R, SetZAnzeige, {0, -2}, {4, 2},
         V{{3, -2}, {2, -2}, {1, -2}, {0, -1}, {0, 0}, {0, 1}}, V{}, 0, 0, 0, 1},
        {"CLK", ElementType::ClockGenerator, R, SetTimer, {0, -1}, {3, 1}, V{{2, 1}}, V{{3, 0}}},
        {"CLK", ElementType::ClockGenerator, L, SetTimer, {-3, -1}, {0, 1}, V{{-2, 1}}, V{{-3, 0}}},
        {"CLK", ElementType::ClockGenerator, U, SetTimer, {-1, -3}, {1, 0}, V{{1, -1}}, V{{0, -3}}},
        {"CLK", ElementType::ClockGenerator, D, SetTimer, {-1, 0}, {1, 3}, V{{1, 1}}, V{{0, 3}}},
        {"LED", ElementType::LED, R, SetDiode, {0, 0}, {0, 0}, V{{0, 0}}, V{}},
    };
}

QString PinText(int X, int Y, const std::vector<Offset>& pins)
{
    QString t;
    for (const Offset& p : pins)
        t += QStringLiteral("X%1Y%2:").arg(X + p.dx).arg(Y + p.dy);
    return t;
}

class ComponentShapes : public Placing {
protected:
    // Cells carrying element n.
    int CellsOf(int16_t n)
    {
        int count = 0;
        for (int x = 0; x <= s.circuit.MaxX + 1; ++x)
            for (int y = 0; y <= s.circuit.MaxY + 1; ++y)
                count += s.circuit.P(x, y).ElementNr == n ? 1 : 0;
        return count;
    }
};

TEST_F(ComponentShapes, PinListsAndFootprintsFollowTheTables)
{
    s.GateInputsText = QStringLiteral("3");
    for (const Shape& sh : Shapes()) {
        SCOPED_TRACE(QStringLiteral("%1 orientation %2").arg(sh.name).arg(Code(sh.o)).toStdString());
        Reset();
        const int X = 20, Y = 15;
        const int16_t n = PlaceAt(sh.set, X, Y, sh.o);
        ASSERT_EQ(n, 1);
        const ElementRecord& r = s.circuit.Elements[1];
        EXPECT_EQ(r.InPinList, PinText(X, Y, sh.in));
        EXPECT_EQ(r.OutPinList, PinText(X, Y, sh.out));
        EXPECT_EQ(r.Type, sh.type);
        EXPECT_EQ(r.SelfIndex, 1);
        EXPECT_EQ(r.Orientation, sh.type == ElementType::LED ? Orientation::None : sh.o);
        for (int x = X + sh.topLeft.dx; x <= X + sh.bottomRight.dx; ++x) {
            for (int y = Y + sh.topLeft.dy; y <= Y + sh.bottomRight.dy; ++y) {
                EXPECT_EQ(s.circuit.P(x, y).Type, sh.type) << x << "," << y;
                EXPECT_EQ(s.circuit.P(x, y).ElementNr, 1) << x << "," << y;
            }
        }
        const int area = (sh.bottomRight.dx - sh.topLeft.dx + 1) * (sh.bottomRight.dy - sh.topLeft.dy + 1);
        EXPECT_EQ(CellsOf(1), area);
        // The component's row tells the same cells from the pins, which the
        // removal and the file checks rely on; every footprint beyond one cell has a rule.
        ASSERT_EQ(Component(sh.type).footprint != nullptr, area > 1);
        if (area > 1) {
            EXPECT_EQ(ElementFootprint(r), (CellRect{X + sh.topLeft.dx, Y + sh.topLeft.dy, X + sh.bottomRight.dx,
                                                     Y + sh.bottomRight.dy}));
        }
    }
}

TEST_F(ComponentShapes, GateInputCountComesFromTheBoxAndIsHeldWithin2To20)
{
    struct Case {
        const char* box;
        Orientation o;
        QString in;
        QString out;
        QString label;
        Offset topLeft;
        Offset bottomRight;
    };
    const Case cases[] = {
        {"2", R, "X10Y9:X10Y11:", "X12Y10:", "2", {10, 9}, {12, 11}},
        {"2", U, "X9Y10:X11Y10:", "X10Y8:", "2", {9, 8}, {11, 10}},
        {"4", R, "X10Y9:X10Y10:X10Y11:X10Y12:", "X12Y11:", "", {10, 9}, {12, 12}},
        {"4", L, "X10Y9:X10Y10:X10Y11:X10Y12:", "X8Y11:", "", {8, 9}, {10, 12}},
        {"4", D, "X9Y10:X10Y10:X11Y10:X12Y10:", "X11Y12:", "", {9, 10}, {12, 12}},
        {"5", U, "X9Y10:X10Y10:X11Y10:X12Y10:X13Y10:", "X11Y8:", "", {9, 8}, {13, 10}},
        // Fewer than 2 or no number gives the two-input gate, never a gate without footprint.
        {"1", R, "X10Y9:X10Y11:", "X12Y10:", "2", {10, 9}, {12, 11}},
        {"-7", R, "X10Y9:X10Y11:", "X12Y10:", "2", {10, 9}, {12, 11}},
        {"abc", R, "X10Y9:X10Y11:", "X12Y10:", "2", {10, 9}, {12, 11}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(QStringLiteral("%1 inputs, orientation %2").arg(k.box).arg(Code(k.o)).toStdString());
        Reset();
        s.GateInputsText = QString::fromLatin1(k.box);
        ASSERT_EQ(PlaceAt(Gate(ElementType::OR), 10, 10, k.o), 1);
        EXPECT_EQ(s.circuit.Elements[1].InPinList, k.in);
        EXPECT_EQ(s.circuit.Elements[1].OutPinList, k.out);
        EXPECT_EQ(s.circuit.Elements[1].Label, k.label);
        EXPECT_EQ(s.TwoInputGate, k.label == QStringLiteral("2"));
        const int area = (k.bottomRight.dx - k.topLeft.dx + 1) * (k.bottomRight.dy - k.topLeft.dy + 1);
        EXPECT_EQ(CellsOf(1), area);
        EXPECT_EQ(s.circuit.P(k.topLeft.dx, k.topLeft.dy).ElementNr, 1);
        EXPECT_EQ(s.circuit.P(k.bottomRight.dx, k.bottomRight.dy).ElementNr, 1);
    }

    // More than 20 gives 20 inputs: the pin tables keep room for the output.
    Reset();
    s.GateInputsText = QStringLiteral("35");
    ASSERT_EQ(PlaceAt(Gate(ElementType::XOR), 5, 2, Orientation::Right), 1);
    ParseInputPins(s, 1, 0);
    ParseOutputPins(s, 1, 0);
    EXPECT_EQ(s.InputPinCount, 20);
    EXPECT_EQ(s.InputPins[19], (PinPos{5, 20}));
    EXPECT_EQ(s.OutputPins[0], (PinPos{7, 11}));
    EXPECT_EQ(CellsOf(1), 3 * 20);
}

// Each kind a click places on an empty sheet (every kind with a footprint
// rule does) writes the pins its component row counts, and its pins follow
// the chosen orientation exactly when the row says it turns.
TEST_F(ComponentShapes, PinCountsAndTurningFollowTheComponentRows)
{
    s.GateInputsText = QStringLiteral("5");
    for (uint8_t type = 0; type < kElementTypeBound; ++type) {
        const ComponentRow& row = Component(type);
        SCOPED_TRACE(row.name ? row.name : "");
        const PlaceRoutine place = row.pins.maxInputs > 0 ? ToolsOf(type).place : nullptr;
        std::set<QString> lists;
        for (Orientation o : {R, L, U, D}) {
            Reset();
            if (place == nullptr || PlaceAt(place, 20, 15, o) != 1)
                continue;
            const ElementRecord& r = s.circuit.Elements[1];
            const auto in = static_cast<int>(ListPins(r.InPinList).size());
            EXPECT_TRUE(in >= row.pins.minInputs && in <= row.pins.maxInputs) << in;
            EXPECT_EQ(ListPins(r.OutPinList).size(), row.pins.outputs == kOutputsAreInputs ? in : row.pins.outputs);
            lists.insert(r.InPinList + r.OutPinList);
        }
        EXPECT_TRUE(lists.empty() ? row.footprint == nullptr : (lists.size() > 1) == row.turns);
    }
}

TEST_F(ComponentShapes, SevenSegmentDisplayIsAlwaysUpright)
{
    PlaceAt(SetZAnzeige, 10, 10, Orientation::Down);
    EXPECT_EQ(s.circuit.Elements[1].Orientation, Orientation::Right);
    EXPECT_EQ(s.PlaceOrientation, Orientation::Right);
    // A refused display still resets the orientation for the next placement.
    EXPECT_EQ(PlaceAt(SetZAnzeige, 10, 2, Orientation::Up), 0);
    EXPECT_EQ(s.PlaceOrientation, Orientation::Right);
}

TEST_F(ComponentShapes, FootprintsMayNotReachTheBorder)
{
    const int maxX = s.circuit.MaxX, maxY = s.circuit.MaxY;
    for (const Shape& sh : Shapes()) {
        SCOPED_TRACE(QStringLiteral("%1 orientation %2").arg(sh.name).arg(Code(sh.o)).toStdString());
        // Anchors at which the footprint's edge lies just on its limit, and one beyond.
        const int left = 1 - sh.slackLeft - sh.topLeft.dx;
        const int top = 1 - sh.slackTop - sh.topLeft.dy;
        const int right = maxX - 1 + sh.slackRight - sh.bottomRight.dx;
        const int bottom = maxY - 1 + sh.slackBottom - sh.bottomRight.dy;
        const int midX = 20, midY = 15;
        const struct {
            int x, y;
            bool fits;
        } probes[] = {{left, midY, true},     {left - 1, midY, false}, {right, midY, true},
                      {right + 1, midY, false}, {midX, top, true},      {midX, top - 1, false},
                      {midX, bottom, true},   {midX, bottom + 1, false}};
        for (const auto& p : probes) {
            Reset();
            const int16_t n = PlaceAt(sh.set, p.x, p.y, sh.o);
            EXPECT_EQ(n != 0, p.fits) << "anchor " << p.x << "," << p.y;
            if (!p.fits) {
                EXPECT_EQ(s.circuit.ElementCount(), 0);
                EXPECT_TRUE(undo.NoUndoData());
            }
        }
    }
    // Never placed with negative columns.
    EXPECT_EQ(PlaceAt(SetHA, 3, 10, Orientation::Left), 0);
    EXPECT_EQ(PlaceAt(SetHA, 0, 2, Orientation::Right), 0);
}

TEST_F(ComponentShapes, RemovingClearsExactlyWhatPlacingCovered)
{
    std::mt19937 rng(20240605);
    std::uniform_int_distribution<int> ax(0, kMaxX), ay(0, kMaxY);
    int placed = 0;
    for (int round = 0; round < 6; ++round) {
        for (const Shape& sh : Shapes()) {
            SCOPED_TRACE(QStringLiteral("%1 orientation %2").arg(sh.name).arg(Code(sh.o)).toStdString());
            Reset();
            const Grid before = s.circuit.P;
            const int X = ax(rng), Y = ay(rng);
            const int16_t n = PlaceAt(sh.set, X, Y, sh.o);
            if (n == 0)
                continue;
            ++placed;
            const UndoRecord placeStep = undo.Record(1);
            // Remove from a random cell of the footprint.
            std::vector<std::pair<int, int>> cells;
            for (int x = 0; x <= s.circuit.MaxX; ++x)
                for (int y = 0; y <= s.circuit.MaxY; ++y)
                    if (s.circuit.P(x, y).ElementNr == n)
                        cells.emplace_back(x, y);
            const auto [cx, cy] = cells[std::uniform_int_distribution<size_t>(0, cells.size() - 1)(rng)];
            s.CursorX = static_cast<int16_t>(cx);
            s.CursorY = static_cast<int16_t>(cy);
            RemoveElement(c, s.CursorX, s.CursorY);
            EXPECT_EQ(s.circuit.ElementCount(), 0);
            EXPECT_TRUE(s.circuit.P == before) << "anchor " << X << "," << Y;
            const UndoRecord& removeStep = undo.Record(1);
            EXPECT_EQ((std::array{removeStep.X1, removeStep.Y1, removeStep.X2, removeStep.Y2}),
                      (std::array{placeStep.X1, placeStep.Y1, placeStep.X2, placeStep.Y2}));
        }
    }
    EXPECT_GT(placed, 100);
}

} // namespace
