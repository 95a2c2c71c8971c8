// A seeded random run of placings, removals and marker changes, undone step
// by step, gives back the very file it started from.
#include <optional>
#include <random>

#include "editing/mouse_dispatch.h"
#include "placement/basSetRemove.h"
#include "placement/conductor_markers.h"
#include "placing_fixture.h"

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kAttempts = 600;
constexpr int kMaxSteps = 150;

class UndoSequence : public Placing {
protected:
    // Conductors in a lattice and a few components and markers on them.
    void Build()
    {
        StartAfresh();
        for (int y : {6, 22})
            Wire(2, y, 37, y);
        for (int x : {8, 32})
            Wire(x, 2, x, 27);
        s.GateInputsText = QStringLiteral("3");
        Click(ElementType::HalfAdder, 12, 10);
        Click(ElementType::ClockGenerator, 24, 10);
        Click(ElementType::AnalysisSensor, 3, 6);
        Click(ElementType::LED, 12, 18);
        Click(ElementType::LED, 13, 18);
        Click(ElementType::AND, 25, 18);
        Click(ElementType::Juncture, 8, 22);
        ASSERT_EQ(s.circuit.ElementCount(), 6);
        ASSERT_EQ(s.circuit.P(8, 22).Marker, -1);
        undo.DeleteUndoData(false);
    }

    void Click(uint8_t tool, int x, int y)
    {
        s.ToolMode = ToolFor(tool);
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
        PlaceAtCursor(c);
    }

    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    // A random cell that passes the test, made the cursor cell.
    template <typename Test>
    bool CursorOnCell(Test test)
    {
        std::vector<std::pair<int, int>> cells;
        for (int x = 0; x <= s.circuit.MaxX; ++x)
            for (int y = 0; y <= s.circuit.MaxY; ++y)
                if (test(s.circuit.P(x, y)))
                    cells.emplace_back(x, y);
        if (cells.empty())
            return false;
        const auto [x, y] = cells[static_cast<size_t>(Pick(0, static_cast<int>(cells.size()) - 1))];
        s.CursorX = static_cast<int16_t>(x);
        s.CursorY = static_cast<int16_t>(y);
        return true;
    }

    void RandomChange()
    {
        static const uint8_t anywhere[] = {
            ElementType::AND,          ElementType::OR,       ElementType::XOR,         ElementType::Inverter,
            ElementType::ClockGenerator, ElementType::HalfAdder, ElementType::FullAdder, ElementType::TriState,
            ElementType::Multiplexer,  ElementType::Decoder,  ElementType::FlipFlop,    ElementType::ShiftRegister,
            ElementType::SevenSegment, ElementType::LED};
        static const uint8_t onConductors[] = {ElementType::Switch,   ElementType::AnalysisSensor,
                                               ElementType::LED,      ElementType::Inverter,
                                               ElementType::Juncture, ElementType::CouplingDiode,
                                               ElementType::TriState};
        auto isConductor = [](const GridCell& g) { return g.Type == ElementType::Conductor; };
        s.PlaceOrientation = AsOrientation(static_cast<uint8_t>(Pick(1, 4)));
        s.GateInputsText = QString::number(Pick(2, 5));
        s.DecoderClockInput = Pick(0, 1) != 0 ? kTrue : kFalse;
        const int kind = Pick(0, 9);
        if (kind <= 2) {
            Click(anywhere[Pick(0, std::size(anywhere) - 1)], Pick(0, s.circuit.MaxX), Pick(0, s.circuit.MaxY));
        } else if (kind <= 4) {
            if (CursorOnCell(isConductor))
                Click(onConductors[Pick(0, std::size(onConductors) - 1)], s.CursorX, s.CursorY);
        } else if (kind == 5) {
            auto negatable = [](const GridCell& g) {
                return (g.Type >= ElementType::AND && g.Type <= ElementType::XOR) || g.Type == ElementType::FlipFlop;
            };
            if (CursorOnCell(negatable))
                Click(ElementType::NegationMarker, s.CursorX, s.CursorY);
        } else if (kind <= 8) {
            auto removable = [](const GridCell& g) {
                return g.ElementNr != 0 || (g.Type == ElementType::Conductor && g.Marker == -1);
            };
            s.ToolMode = ToolCode::Select;
            if (CursorOnCell(removable))
                RemoveElement(c, s.CursorX, s.CursorY);
        } else {
            if (!CursorOnCell([](const GridCell& g) { return g.Marker != 0 && g.Type != ElementType::LED; }))
                return;
            if (s.circuit.P(s.CursorX, s.CursorY).Type == ElementType::Conductor)
                RemoveKoppeldiode(c);
            else
                RemoveNegationsPunkt(c);
        }
    }

    int HeldSteps() const
    {
        QStringList lines;
        undo.ListUndos(lines);
        return static_cast<int>(lines.size());
    }

    // Runs the random changes with room for every step; returns the file
    // after each recorded step (entry 0: before the first) and, per attempt,
    // whether it recorded a step.
    std::vector<QByteArray> Run(std::vector<bool>* recorded, unsigned seed = kSeed)
    {
        std::vector<QByteArray> files{FileBytes()};
        rng.seed(seed);
        for (int i = 0; i < kAttempts && HeldSteps() < kMaxSteps; ++i) {
            const int before = HeldSteps();
            RandomChange();
            const bool stepped = HeldSteps() > before;
            if (recorded)
                recorded->push_back(stepped);
            if (stepped)
                files.push_back(FileBytes());
        }
        return files;
    }

    std::mt19937 rng;
};

TEST_F(UndoSequence, UndoingEveryStepGivesBackTheStartingFile)
{
    Build();
    const QByteArray start = FileBytes();
    const uint8_t probes = s.ProbeCount;
    undo.SetUndos(clsUndo::kMaxUndos);
    const std::vector<QByteArray> files = Run(nullptr);
    const int steps = static_cast<int>(files.size()) - 1;
    ASSERT_GT(steps, 60);
    ASSERT_NE(files.back(), start);
    for (int k = steps; k >= 1; --k) {
        undo.Undo(c);
        ASSERT_EQ(FileBytes(), files[static_cast<size_t>(k - 1)]) << "after undoing step " << k;
    }
    EXPECT_EQ(FileBytes(), start);
    EXPECT_EQ(s.ProbeCount, probes);
    EXPECT_EQ(s.circuit.ClockCount, 1);
    EXPECT_EQ(w.clockTimerCount, 1);
}

TEST_F(UndoSequence, WithRoomForTenStepsTheNewestTenAreUndone)
{
    for (unsigned seed : {kSeed, 2u, 4u, 5u, 8u, 11u}) {
        SCOPED_TRACE(seed);
        Build();
        undo.SetUndos(clsUndo::kMaxUndos);
        std::vector<bool> recorded;
        const std::vector<QByteArray> files = Run(&recorded, seed);
        const int steps = static_cast<int>(files.size()) - 1;
        ASSERT_GT(steps, 20);

        Build();
        undo.SetUndos(10);
        rng.seed(seed);
        for (size_t i = 0; i < recorded.size(); ++i)
            RandomChange();
        ASSERT_EQ(FileBytes(), files.back());
        for (int k = 1; k <= 10; ++k) {
            undo.Undo(c);
            ASSERT_EQ(FileBytes(), files[static_cast<size_t>(steps - k)]) << "undo " << k;
        }
        undo.Undo(c);
        EXPECT_EQ(FileBytes(), files[static_cast<size_t>(steps - 10)]);
    }
}

} // namespace
