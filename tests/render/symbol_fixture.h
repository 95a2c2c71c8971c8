#pragma once
// Components placed by the sheet builder so that the symbol routines can be
// called on them the way the redraw calls them, a worksheet to draw them on,
// and a reader of the recording surface's lines.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <vector>

#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/records.h"
#include "model/state.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "render/sheet_builder.h"

namespace symfix {

// A placed component: its record's pins and the cell its routine is given.
struct Part {
    uint8_t type = 0;
    Orientation orientation = Orientation::Right;
    std::vector<PinPos> in;
    std::vector<PinPos> out;
    int refX = 0, refY = 0;
    int16_t nr = 0;
};

// Outputs-right direction of an orientation.
inline int DirX(Orientation o) { return o == Orientation::Right ? 1 : o == Orientation::Left ? -1 : 0; }
inline int DirY(Orientation o) { return o == Orientation::Down ? 1 : o == Orientation::Up ? -1 : 0; }

inline std::vector<PinPos> Pins(const QString& list)
{
    PinTable table{};
    const int16_t n = ParsePinList(list, table);
    return {table.begin(), table.begin() + std::max<int16_t>(n, 0)};
}

inline Part Placed(const ProgramState& s, int16_t nr, int X, int Y)
{
    const ElementRecord& e = s.circuit.Elements[static_cast<size_t>(nr)];
    return {e.Type, e.Orientation, Pins(e.InPinList), Pins(e.OutPinList), X, Y, nr};
}

// AND/OR/XOR with n inputs (n = 2 makes the three-cell two-input gate).
inline Part Gate(ProgramState& s, uint8_t type, int X, int Y, Orientation o, int n)
{
    return Placed(s, sheet::Gate(s, type, o, X, Y, n), X, Y);
}

// Half-adder, full-adder and shift register (nine cells long).
inline Part Adder(ProgramState& s, uint8_t type, int X, int Y, Orientation o)
{
    const int16_t nr = type == ElementType::ShiftRegister ? sheet::ShiftRegister(s, o, X, Y)
                                                          : sheet::Adder(s, type, o, X, Y);
    return Placed(s, nr, X, Y);
}

inline Part TriState(ProgramState& s, int X, int Y, Orientation o)
{
    return Placed(s, sheet::TriState(s, o, X, Y), X, Y);
}
inline Part Inverter(ProgramState& s, int X, int Y, Orientation o)
{
    return Placed(s, sheet::Inverter(s, o, X, Y), X, Y);
}
inline Part Decoder(ProgramState& s, int X, int Y, Orientation o, bool clock)
{
    return Placed(s, sheet::Decoder(s, o, X, Y, clock), X, Y);
}
inline Part Multiplexer(ProgramState& s, int X, int Y, Orientation o)
{
    return Placed(s, sheet::Multiplexer(s, o, X, Y), X, Y);
}
inline Part FlipFlop(ProgramState& s, int X, int Y, Orientation o)
{
    return Placed(s, sheet::FlipFlop(s, o, X, Y), X, Y);
}
inline Part Display(ProgramState& s, int X, int Y) { return Placed(s, sheet::SevenSegment(s, X, Y), X, Y); }
inline Part Timer(ProgramState& s, int X, int Y, Orientation o) { return Placed(s, sheet::Clock(s, o, X, Y), X, Y); }

// Every symbol drawn from a component's record, each made in any
// orientation, with what the property tests expect of it.
struct Kind {
    const char* name;
    std::function<Part(ProgramState&, int X, int Y, Orientation o)> make;
    bool stubsFollowConductors;
    int32_t screenFill;   // first filled shape on the worksheet and the hidden picture
    int32_t paperFill;    // on the printer; -1: nothing filled
    // How far the symbol may reach beyond its footprint's cells, in pitches:
    // the inverter's output line is two thirds of a pitch long, the
    // flip-flop's body is half a cell higher than its footprint, and the
    // clock generator's stop stub leaves its cell by a quarter pitch.
    double spill = 0;
};

inline const std::vector<Kind>& Kinds()
{
    using namespace ElementType;
    static const std::vector<Kind> kinds = {
        {"AND3", [](auto& s, int X, int Y, Orientation o) { return Gate(s, AND, X, Y, o, 3); }, true, 0xC0FFFF, 0xFFFFFF},
        {"AND2", [](auto& s, int X, int Y, Orientation o) { return Gate(s, AND, X, Y, o, 2); }, true, 0xC0FFFF, 0xFFFFFF},
        {"OR5", [](auto& s, int X, int Y, Orientation o) { return Gate(s, OR, X, Y, o, 5); }, true, 0xC0FFFF, 0xFFFFFF},
        {"XOR4", [](auto& s, int X, int Y, Orientation o) { return Gate(s, XOR, X, Y, o, 4); }, true, 0xC0FFFF, 0xFFFFFF},
        {"Inverter", [](auto& s, int X, int Y, Orientation o) { return symfix::Inverter(s, X, Y, o); },
          false, 0xC0FFC0, 0xFFFFFF, 1.0 / 6},
        {"TriState", [](auto& s, int X, int Y, Orientation o) { return symfix::TriState(s, X, Y, o); },
          true, 0xC0FFFF, 0xC0FFFF},
        {"HalfAdder", [](auto& s, int X, int Y, Orientation o) { return Adder(s, HalfAdder, X, Y, o); },
          true, 0xC0FFFF, 0xFFFFFF},
        {"FullAdder", [](auto& s, int X, int Y, Orientation o) { return Adder(s, FullAdder, X, Y, o); },
          true, 0xC0FFFF, 0xFFFFFF},
        {"ShiftRegister", [](auto& s, int X, int Y, Orientation o) { return Adder(s, ShiftRegister, X, Y, o); },
          true, 0xC0FFFF, 0xFFFFFF},
        {"Decoder", [](auto& s, int X, int Y, Orientation o) { return symfix::Decoder(s, X, Y, o, false); },
          true, 0xC0FFFF, -1},
        {"DecoderClock", [](auto& s, int X, int Y, Orientation o) { return symfix::Decoder(s, X, Y, o, true); },
          true, 0xC0FFFF, -1},
        {"Multiplexer", [](auto& s, int X, int Y, Orientation o) { return symfix::Multiplexer(s, X, Y, o); },
          false, 0xFFFFC0, 0xFFFFFF},
        {"FlipFlop", [](auto& s, int X, int Y, Orientation o) { return symfix::FlipFlop(s, X, Y, o); },
          false, 0xFFFFC0, 0xFFFFFF, 0.5},
        {"Display", [](auto& s, int X, int Y, Orientation) { return Display(s, X, Y); }, false, 0xC0FFFF, 0xFFFFFF},
        {"Timer", [](auto& s, int X, int Y, Orientation o) { return Timer(s, X, Y, o); }, false, 0xC0FFFF, 0xFFFFFF, 0.25},
    };
    return kinds;
}

// The symbol routine of the part, called the way the redraw calls it.
inline void Draw(clsGrafik& g, const Part& p, bool outline = false)
{
    g.Orientation = static_cast<decltype(g.Orientation)>(p.orientation);
    const auto x = static_cast<int16_t>(p.refX);
    const auto y = static_cast<int16_t>(p.refY);
    switch (p.type) {
    case ElementType::AND: g.DrawUnd(x, y, outline); break;
    case ElementType::OR: g.DrawOder(x, y, outline); break;
    case ElementType::XOR: g.DrawXOder(x, y); break;
    case ElementType::Inverter: g.DrawInverter(x, y); break;
    case ElementType::TriState: g.DrawTriState(x, y); break;
    case ElementType::HalfAdder: g.DrawHA(x, y); break;
    case ElementType::FullAdder: g.DrawVA(x, y); break;
    case ElementType::SevenSegment: g.DrawZAnzeige(x, y); break;
    case ElementType::Decoder: g.DrawDecoder(x, y, outline); break;
    case ElementType::Multiplexer: g.DrawMultiplexer(x, y); break;
    case ElementType::FlipFlop: g.DrawFlipFlop(x, y, outline, 0); break;
    case ElementType::ShiftRegister: g.DrawSRegister(x, y); break;
    case ElementType::ClockGenerator: g.DrawTimer(x, y, false); break;
    default: break;
    }
}

// A 30 x 30 worksheet and a recording surface for the symbol tests.
struct SymbolSheet : ::testing::Test {
    ProgramState s;
    RecordingSurface rec{SurfaceKind::Worksheet};
    clsGrafik g{s, &rec};
    void SetUp() override { sheet::NewSheet(s, 30, 30); }
    QStringList Drawn(const Part& p, bool outline = false)
    {
        rec.ClearLog();
        Draw(g, p, outline);
        return rec.Log();
    }
};

// The centre of cell i at zoom 1.
inline double G1(int i)
{
    return 14 * i + 7;
}

// Numbers as the recording surface writes them.
inline QString N(double v)
{
    return QString::number(v, 'g', 12);
}

inline QString StubLine(double x1, double y1, double x2, double y2, int32_t color = 0)
{
    return QStringLiteral("Line %1,%2-%3,%4 color=%5 mode=Plain width=1")
        .arg(N(x1), N(y1), N(x2), N(y2), color == 0 ? QStringLiteral("0") : QStringLiteral("0x") + QString::number(color, 16).toUpper());
}

inline QString BoxLine(double x1, double y1, double x2, double y2, int32_t fill, int style)
{
    return QStringLiteral("Line %1,%2-%3,%4 color=0 mode=Box fill=0x%5 style=%6 width=1")
        .arg(N(x1), N(y1), N(x2), N(y2), QString::number(fill, 16).toUpper())
        .arg(style);
}

inline QString PrintLine(double x, double y, const QString& text, double size, bool bold = false,
                         int32_t color = 0, const QString& font = QStringLiteral("Arial"))
{
    return QStringLiteral("Print %1,%2 \"%3\" font=%4 size=%5 bold=%6 transparent=1 color=%7")
        .arg(N(x), N(y), text, font, N(size))
        .arg(bold ? 1 : 0)
        .arg(color == 0 ? QStringLiteral("0") : QStringLiteral("0x") + QString::number(color, 16).toUpper());
}

// One recorded drawing call, read back.
struct Prim {
    QString kind;
    std::vector<double> v; // coordinates (and the radius last for a circle)
    QString mode;
    QString text;
    int32_t color = 0;
    int32_t fill = -1;
    int style = -1;
};

inline int32_t Hex(const QString& t)
{
    return t == QLatin1String("0") ? 0 : static_cast<int32_t>(t.mid(2).toUInt(nullptr, 16));
}

inline Prim Parse(const QString& line)
{
    Prim p;
    p.kind = line.section(QLatin1Char(' '), 0, 0);
    // Numbers joined by "," and "-"; a "-" right after a separator is a sign.
    const QString geometry = line.section(QLatin1Char(' '), 1, 1);
    qsizetype i = 0;
    while (i < geometry.size()) {
        qsizetype j = i + 1;
        while (j < geometry.size() && geometry[j] != u',' && geometry[j] != u'-')
            ++j;
        p.v.push_back(geometry.mid(i, j - i).toDouble());
        i = j + 1;
    }
    if (p.kind == QLatin1String("Circle"))
        p.v.push_back(line.section(QLatin1Char(' '), 2, 2).mid(2).toDouble()); // r=R
    const QRegularExpression field(QStringLiteral(R"((\w+)=(\S+))"));
    const qsizetype quote = line.indexOf(QLatin1Char('"'));
    if (quote >= 0)
        p.text = line.mid(quote + 1, line.indexOf(QLatin1Char('"'), quote + 1) - quote - 1);
    const QString rest = quote >= 0 ? line.mid(line.lastIndexOf(QLatin1Char('"')) + 1) : line;
    auto f = field.globalMatch(rest);
    while (f.hasNext()) {
        const auto m = f.next();
        const QString key = m.captured(1);
        if (key == QLatin1String("color"))
            p.color = Hex(m.captured(2));
        else if (key == QLatin1String("fill"))
            p.fill = Hex(m.captured(2));
        else if (key == QLatin1String("style"))
            p.style = m.captured(2).toInt();
        else if (key == QLatin1String("mode"))
            p.mode = m.captured(2);
    }
    return p;
}

inline std::vector<Prim> ParseAll(const QStringList& log)
{
    std::vector<Prim> out;
    for (const QString& l : log)
        out.push_back(Parse(l));
    return out;
}

} // namespace symfix
