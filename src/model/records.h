#pragma once
// The records a circuit is held in. Field order and widths matter: circuit
// files and undo snapshots are written from them.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "model/array2d.h"

// Logic levels and flags are 16-bit Booleans.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;
inline int16_t VbBool(bool b) { return b ? kTrue : kFalse; }

struct GridCell {
    int16_t Value = 0;
    uint8_t Type = 0;
    int16_t ConLeft = 0;
    int16_t ConUp = 0;
    int16_t ConRight = 0;
    int16_t ConDown = 0;
    int16_t Marker = 0;
    uint8_t ICConnector = 0;
    int16_t ElementNr = 0;
    uint8_t ICLink = 0;
    int16_t WireSignalH = 0;
    int16_t WireSignalV = 0;
    int32_t PostponeCount = 0; // wide: repeated selections add 20 each

    bool operator==(const GridCell&) const = default;
};

using Grid = Array2D<GridCell>;

// Where an element's outputs point; None in an empty record. A damaged file
// may hold any other number: it is kept as it is and checked where used.
enum class Orientation : uint8_t { None = 0, Left = 1, Right = 2, Up = 3, Down = 4 };

// Travel of a signal, side of a connection; None for an event used up.
enum class Direction : uint8_t { None = 0, Left = 1, Right = 2, Up = 3, Down = 4 };

// The four orientations, in the order of their numbers.
constexpr std::array<Orientation, 4> kOrientations{Orientation::Left, Orientation::Right, Orientation::Up,
                                                   Orientation::Down};

// The number of an orientation, a direction or a tool, as files, number
// boxes, the window and table indexes use it.
template <typename Enum>
    requires std::is_enum_v<Enum>
constexpr int Code(Enum e)
{
    return static_cast<int>(e);
}
// The orientation or direction of number n, as read from a file or a box.
constexpr Orientation AsOrientation(uint8_t n)
{
    return static_cast<Orientation>(n);
}
constexpr Direction AsDirection(uint8_t n)
{
    return static_cast<Direction>(n);
}
// The direction the outputs of orientation o drive (the same number).
constexpr Direction Toward(Orientation o)
{
    return static_cast<Direction>(o);
}
static_assert(Toward(Orientation::Left) == Direction::Left && Toward(Orientation::Right) == Direction::Right
              && Toward(Orientation::Up) == Direction::Up && Toward(Orientation::Down) == Direction::Down);

// The four directions, in the order of their numbers.
constexpr std::array<Direction, 4> kDirections{Direction::Left, Direction::Right, Direction::Up, Direction::Down};

struct ElementRecord {
    ::Orientation Orientation = ::Orientation::None;
    QString InPinList;
    QString OutPinList;
    uint8_t Type = 0;
    std::array<int16_t, 11> StageWords{};
    int16_t State = 0;
    int32_t Color = 0;
    int16_t SelfIndex = 0;
    QString Label;
    // Tells the undo history whether a saved element still exists. Not saved
    // and no part of the record's content; kept through renumbering and
    // copies. 0 until the history first saves the element; an element made
    // anew from a copy of another (paste) must start at 0 again.
    uint64_t Identity = 0;

    // The content, as a file holds it: the identity is left out.
    bool operator==(const ElementRecord& o) const
    {
        return Orientation == o.Orientation && InPinList == o.InPinList && OutPinList == o.OutPinList
            && Type == o.Type && StageWords == o.StageWords && State == o.State && Color == o.Color
            && SelfIndex == o.SelfIndex && Label == o.Label;
    }
};

struct PinPos {
    int16_t X = 0;
    int16_t Y = 0;
    bool operator==(const PinPos&) const = default;
};

constexpr int kPinTableSize = 21;
using PinTable = std::array<PinPos, kPinTableSize>;

// The elements of an element table: the records after its empty record 0.
inline int16_t ElementsAfterRecord0(const std::vector<ElementRecord>& table)
{
    return table.empty() ? int16_t{0} : static_cast<int16_t>(table.size() - 1);
}

struct LevelRecord {
    QString Name;
    int16_t Width = 0;
    int16_t Height = 0;
    Grid Field;
    std::vector<ElementRecord> Elements;
    int16_t ElementCount() const { return ElementsAfterRecord0(Elements); }
};

struct ICInstanceRecord {
    QString Name;
    int16_t Width = 0;
    int16_t Height = 0;
    QStringList PinStates;
    QStringList GraphicPins;
    int16_t PinCount = 0;
    int16_t ElementNr = 0;
    uint8_t ParentLevel = 0;
    uint8_t NestingLevel = 0;
    QString Notes;
};

// One clock generator's slot. A file holds Element to Cycles; Counter,
// OutputHigh and Trigger are run state (Trigger: a tick waiting for the engine).
struct ClockSlot {
    int16_t ClockElement = 0;
    int16_t ClockHigh = 0;
    int16_t ClockLow = 0;
    int16_t ClockLinked = 0;
    uint8_t ClockCycles = 0;
    uint8_t ClockCounter = 0;
    int16_t ClockOutputHigh = 0;
    int16_t ClockTrigger = 0;
};

struct LineMapEntry {
    int16_t CoveredH = 0;
    int16_t CoveredV = 0;
    int16_t EndX = 0;
    int16_t EndY = 0;
};

// Element type codes, as cells, element records and files hold them.
namespace ElementType {
constexpr uint8_t Empty = 0;
constexpr uint8_t Conductor = 1;
constexpr uint8_t Juncture = 2;
constexpr uint8_t NegationMarker = 3;
constexpr uint8_t LED = 4;
constexpr uint8_t Switch = 5;
constexpr uint8_t AND = 6;
constexpr uint8_t OR = 7;
constexpr uint8_t XOR = 8;
constexpr uint8_t Inverter = 9;
constexpr uint8_t ClockGenerator = 10;
constexpr uint8_t HalfAdder = 11;
constexpr uint8_t FullAdder = 12;
constexpr uint8_t TriState = 13;
constexpr uint8_t Multiplexer = 14;
constexpr uint8_t CouplingDiode = 15;
constexpr uint8_t Decoder = 16;
constexpr uint8_t FlipFlop = 17;
constexpr uint8_t ShiftRegister = 18;
constexpr uint8_t SevenSegment = 19;
constexpr uint8_t IC = 20;
constexpr uint8_t TextLabel = 22;
constexpr uint8_t AnalysisSensor = 27;
} // namespace ElementType

// The editor's tool: a placing tool carries the type code of the element it
// places; the select tool, the modes and the select tool's transient states
// have codes of their own.
enum class ToolCode : uint8_t {
    Select = 0,
    Conductor = ElementType::Conductor,
    Juncture = ElementType::Juncture,
    NegationMarker = ElementType::NegationMarker,
    LED = ElementType::LED,
    Switch = ElementType::Switch,
    AND = ElementType::AND,
    OR = ElementType::OR,
    XOR = ElementType::XOR,
    Inverter = ElementType::Inverter,
    ClockGenerator = ElementType::ClockGenerator,
    HalfAdder = ElementType::HalfAdder,
    FullAdder = ElementType::FullAdder,
    TriState = ElementType::TriState,
    Multiplexer = ElementType::Multiplexer,
    CouplingDiode = ElementType::CouplingDiode,
    Decoder = ElementType::Decoder,
    FlipFlop = ElementType::FlipFlop,
    ShiftRegister = ElementType::ShiftRegister,
    SevenSegment = ElementType::SevenSegment,
    IC = ElementType::IC,
    TextLabel = ElementType::TextLabel,
    MovingArea = 23,
    GrabbedForMove = 25,
    PopupOpen = 26,
    AnalysisSensor = ElementType::AnalysisSensor,
    ICDefinitionView = 98,
    SimulationRunning = 99,
    QuickHelp = 200,
};

// The placing tool of element type `type`.
constexpr ToolCode ToolFor(uint8_t type)
{
    return static_cast<ToolCode>(type);
}
// The element type a placing tool places.
constexpr uint8_t PlacedType(ToolCode t)
{
    return static_cast<uint8_t>(t);
}
