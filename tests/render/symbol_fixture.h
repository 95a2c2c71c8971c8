#pragma once
// Components put on the worksheet by hand (footprint, pins, record) so that
// the symbol routines can be called on them, and a reader of the recording
// surface's lines.
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

#include "model/geometry.h"
#include "model/pin_lists.h"
#include "model/records.h"
#include "model/state.h"
#include "render/clsGrafik.h"

namespace symfix {

struct Part {
    uint8_t type = 0;
    Orientation orientation = Orientation::Right;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // footprint
    std::vector<PinPos> in;
    std::vector<PinPos> out;
    QString label;
    int refX = 0, refY = 0; // the cell the drawing routine is given
    int16_t nr = 0;
};

inline PinPos Pin(int x, int y)
{
    return PinPos{static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

// Outputs-right direction of an orientation.
inline int DirX(Orientation o) { return o == Orientation::Right ? 1 : o == Orientation::Left ? -1 : 0; }
inline int DirY(Orientation o) { return o == Orientation::Down ? 1 : o == Orientation::Up ? -1 : 0; }

// AND/OR/XOR with n inputs (n = 2 makes the three-cell two-input gate).
inline Part Gate(uint8_t type, int X, int Y, Orientation o, int n)
{
    Part p;
    p.type = type;
    p.orientation = o;
    const bool two = n == 2;
    const int rows = two ? 3 : n;
    p.label = two ? QStringLiteral("2") : QString();
    const int dx = DirX(o), dy = DirY(o);
    for (int i = 0; i < rows; ++i) {
        if (two && i == 1)
            continue;
        p.in.push_back(Horizontal(o) ? Pin(X, Y - 1 + i) : Pin(X - 1 + i, Y));
    }
    if (Horizontal(o)) {
        p.out.push_back(Pin(X + 2 * dx, Y - 1 + rows / 2));
        p.x1 = std::min(X, X + 2 * dx);
        p.x2 = std::max(X, X + 2 * dx);
        p.y1 = Y - 1;
        p.y2 = Y + rows - 2;
    } else {
        p.out.push_back(Pin(X - 1 + rows / 2, Y + 2 * dy));
        p.x1 = X - 1;
        p.x2 = X + rows - 2;
        p.y1 = std::min(Y, Y + 2 * dy);
        p.y2 = std::max(Y, Y + 2 * dy);
    }
    p.refX = X;
    p.refY = Y;
    return p;
}

// Footprint along the outputs from the anchor, `length` cells beyond it, three cells across.
inline void Along(Part& p, int X, int Y, int length)
{
    const Orientation o = p.orientation;
    if (Horizontal(o)) {
        p.x1 = std::min(X, X + DirX(o) * length);
        p.x2 = std::max(X, X + DirX(o) * length);
        p.y1 = Y - 1;
        p.y2 = Y + 1;
    } else {
        p.x1 = X - 1;
        p.x2 = X + 1;
        p.y1 = std::min(Y, Y + DirY(o) * length);
        p.y2 = std::max(Y, Y + DirY(o) * length);
    }
    p.refX = X;
    p.refY = Y;
}

// Half-adder (11), full-adder (12) and shift register (18, nine cells long).
inline Part Adder(uint8_t type, int X, int Y, Orientation o)
{
    Part p;
    p.type = type;
    p.orientation = o;
    const int len = type == ElementType::ShiftRegister ? 8 : 3;
    if (Horizontal(o)) {
        const int ox = X + DirX(o) * len;
        p.in = {Pin(X, Y - 1), Pin(X, Y + 1), Pin(X, Y)};
        p.out = {Pin(ox, Y - 1), Pin(ox, Y + 1)};
    } else {
        const int oy = Y + DirY(o) * len;
        p.in = {Pin(X + 1, Y), Pin(X - 1, Y), Pin(X, Y)};
        p.out = {Pin(X + 1, oy), Pin(X - 1, oy)};
    }
    Along(p, X, Y, len);
    return p;
}

inline Part TriState(int X, int Y, Orientation o)
{
    Part p;
    p.type = ElementType::TriState;
    p.orientation = o;
    if (Horizontal(o)) {
        p.in = {Pin(X, Y - 1), Pin(X, Y + 1)};
        p.out = {Pin(X + 2 * DirX(o), Y)};
    } else {
        p.in = {Pin(X - 1, Y), Pin(X + 1, Y)};
        p.out = {Pin(X, Y + 2 * DirY(o))};
    }
    Along(p, X, Y, 2);
    return p;
}

inline Part Inverter(int X, int Y, Orientation o)
{
    Part p;
    p.type = ElementType::Inverter;
    p.orientation = o;
    p.in = {Pin(X, Y)};
    p.out = {Pin(X + DirX(o), Y + DirY(o))};
    p.x1 = std::min(X, X + DirX(o));
    p.x2 = std::max(X, X + DirX(o));
    p.y1 = std::min(Y, Y + DirY(o));
    p.y2 = std::max(Y, Y + DirY(o));
    p.refX = X;
    p.refY = Y;
    return p;
}

inline Part Decoder(int X, int Y, Orientation o, bool clock)
{
    Part p;
    p.type = ElementType::Decoder;
    p.orientation = o;
    if (Horizontal(o)) {
        p.in = {Pin(X, Y - 2), Pin(X, Y - 1), Pin(X, Y)};
        if (clock)
            p.in.push_back(Pin(X, Y + 1));
        for (int y = Y - 4; y <= Y + 3; ++y)
            p.out.push_back(Pin(X + 2 * DirX(o), y));
        p.x1 = std::min(X, X + 2 * DirX(o));
        p.x2 = std::max(X, X + 2 * DirX(o));
        p.y1 = Y - 5;
        p.y2 = Y + 4;
    } else {
        p.in = {Pin(X + 2, Y), Pin(X + 1, Y), Pin(X, Y)};
        if (clock)
            p.in.push_back(Pin(X - 1, Y));
        for (int x = X + 4; x >= X - 3; --x)
            p.out.push_back(Pin(x, Y + 2 * DirY(o)));
        p.x1 = X - 4;
        p.x2 = X + 5;
        p.y1 = std::min(Y, Y + 2 * DirY(o));
        p.y2 = std::max(Y, Y + 2 * DirY(o));
    }
    p.refX = X;
    p.refY = Y;
    return p;
}

inline Part Multiplexer(int X, int Y, Orientation o)
{
    Part p;
    p.type = ElementType::Multiplexer;
    p.orientation = o;
    switch (o) {
    case Orientation::Right:
        p.in = {Pin(X, Y + 2), Pin(X, Y + 1), Pin(X, Y), Pin(X, Y - 1), Pin(X + 2, Y - 2), Pin(X + 3, Y - 2)};
        p.out = {Pin(X + 4, Y + 1)};
        p.x1 = X, p.x2 = X + 4, p.y1 = Y - 2, p.y2 = Y + 2;
        break;
    case Orientation::Left:
        p.in = {Pin(X, Y + 2), Pin(X, Y + 1), Pin(X, Y), Pin(X, Y - 1), Pin(X - 3, Y - 2), Pin(X - 2, Y - 2)};
        p.out = {Pin(X - 4, Y + 1)};
        p.x1 = X - 4, p.x2 = X, p.y1 = Y - 2, p.y2 = Y + 2;
        break;
    case Orientation::Up:
        p.in = {Pin(X + 1, Y), Pin(X, Y), Pin(X - 1, Y), Pin(X - 2, Y), Pin(X + 2, Y - 3), Pin(X + 2, Y - 2)};
        p.out = {Pin(X - 1, Y - 4)};
        p.x1 = X - 2, p.x2 = X + 2, p.y1 = Y - 4, p.y2 = Y;
        break;
    default:
        p.in = {Pin(X + 1, Y), Pin(X, Y), Pin(X - 1, Y), Pin(X - 2, Y), Pin(X + 2, Y + 2), Pin(X + 2, Y + 3)};
        p.out = {Pin(X - 1, Y + 4)};
        p.x1 = X - 2, p.x2 = X + 2, p.y1 = Y, p.y2 = Y + 4;
        break;
    }
    p.refX = X;
    p.refY = Y;
    return p;
}

inline Part FlipFlop(int X, int Y, Orientation o)
{
    Part p;
    p.type = ElementType::FlipFlop;
    p.orientation = o;
    switch (o) {
    case Orientation::Right:
        p.in = {Pin(X, Y - 1), Pin(X, Y), Pin(X, Y + 1), Pin(X + 2, Y - 1), Pin(X + 2, Y + 1)};
        p.out = {Pin(X + 5, Y - 1), Pin(X + 5, Y + 1)};
        break;
    case Orientation::Left:
        p.in = {Pin(X, Y - 1), Pin(X, Y), Pin(X, Y + 1), Pin(X - 3, Y - 1), Pin(X - 3, Y + 1)};
        p.out = {Pin(X - 5, Y - 1), Pin(X - 5, Y + 1)};
        break;
    case Orientation::Up:
        p.in = {Pin(X + 1, Y), Pin(X, Y), Pin(X - 1, Y), Pin(X + 1, Y - 3), Pin(X - 1, Y - 3)};
        p.out = {Pin(X + 1, Y - 5), Pin(X - 1, Y - 5)};
        break;
    default:
        p.in = {Pin(X + 1, Y), Pin(X, Y), Pin(X - 1, Y), Pin(X + 1, Y + 2), Pin(X - 1, Y + 2)};
        p.out = {Pin(X + 1, Y + 5), Pin(X - 1, Y + 5)};
        break;
    }
    Along(p, X, Y, 5);
    return p;
}

inline Part Display(int X, int Y)
{
    Part p;
    p.type = ElementType::SevenSegment;
    p.orientation = Orientation::Right;
    p.in = {Pin(X + 3, Y - 2), Pin(X + 2, Y - 2), Pin(X + 1, Y - 2), Pin(X, Y - 1), Pin(X, Y), Pin(X, Y + 1)};
    p.x1 = X, p.x2 = X + 4, p.y1 = Y - 2, p.y2 = Y + 2;
    p.refX = X;
    p.refY = Y;
    return p;
}

inline Part Timer(int X, int Y, Orientation o)
{
    Part p;
    p.type = ElementType::ClockGenerator;
    p.orientation = o;
    switch (o) {
    case Orientation::Right: p.in = {Pin(X + 2, Y + 1)}; p.out = {Pin(X + 3, Y)}; break;
    case Orientation::Left: p.in = {Pin(X - 2, Y + 1)}; p.out = {Pin(X - 3, Y)}; break;
    case Orientation::Up: p.in = {Pin(X + 1, Y - 1)}; p.out = {Pin(X, Y - 3)}; break;
    default: p.in = {Pin(X + 1, Y + 1)}; p.out = {Pin(X, Y + 3)}; break;
    }
    Along(p, X, Y, 3);
    return p;
}

// Appends the element and marks its footprint.
inline int16_t Put(ProgramState& s, Part& p)
{
    ElementRecord e;
    e.Orientation = p.orientation;
    e.Type = p.type;
    e.InPinList = PinListText(p.in);
    e.OutPinList = PinListText(p.out);
    e.Label = p.label;
    e.SelfIndex = static_cast<int16_t>(s.circuit.ElementCount() + 1);
    s.circuit.Elements.push_back(e);
    p.nr = s.circuit.ElementCount();
    for (int x = p.x1; x <= p.x2; ++x)
        for (int y = p.y1; y <= p.y2; ++y) {
            s.circuit.P.at(x, y).Type = p.type;
            s.circuit.P.at(x, y).ElementNr = p.nr;
        }
    return p.nr;
}

// The symbol routine of the part, called the way the redraw calls it.
inline void Draw(clsGrafik& g, const Part& p, bool outline = false, bool selected = false)
{
    g.Orientation = p.orientation;
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
    case ElementType::ClockGenerator: g.DrawTimer(x, y, selected); break;
    default: break;
    }
}

// A fresh worksheet of the given size (the power off).
inline void Sheet(ProgramState& s, int maxX, int maxY)
{
    s.circuit.MaxX = static_cast<int16_t>(maxX);
    s.circuit.MaxY = static_cast<int16_t>(maxY);
    s.circuit.P.Redim(maxX + 1, maxY + 1);
    s.circuit.Elements.assign(1, ElementRecord{});
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
