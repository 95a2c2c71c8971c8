// The shortcuts the engine's redrawing takes (pins from the engine's cache,
// text shaped once, pens and fonts kept between calls) must draw exactly
// what the plain way draws.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <functional>
#include <vector>

#include "model/pin_lists.h"
#include "platform/color.h"
#include "platform/font_map.h"
#include "platform/numeric.h"
#include "platform/painter_surface.h"
#include "platform/recording_surface.h"
#include "render/clsGrafik.h"
#include "render/redraw.h"
#include "render/symbol_helpers.h"
#include "sheet_builder.h"
#include "simulation/engine.h"

namespace {

// A worksheet with one of most kinds of component.
void BuildMixedSheet(ProgramState& s)
{
    sheet::NewSheet(s, 60, 40);
    sheet::Gate(s, ElementType::AND, Orientation::Right, 2, 3, 3);
    sheet::Gate(s, ElementType::OR, Orientation::Down, 10, 2, 2);
    sheet::Gate(s, ElementType::XOR, Orientation::Left, 20, 3, 4);
    sheet::Inverter(s, Orientation::Up, 26, 6);
    sheet::TriState(s, Orientation::Right, 30, 3);
    sheet::FlipFlop(s, Orientation::Right, 2, 12);
    sheet::Adder(s, ElementType::FullAdder, Orientation::Down, 12, 12);
    sheet::ShiftRegister(s, Orientation::Right, 20, 12);
    sheet::Decoder(s, Orientation::Right, 34, 12, true);
    sheet::Multiplexer(s, Orientation::Right, 2, 24);
    sheet::Clock(s, Orientation::Right, 14, 24);
    sheet::SevenSegment(s, 22, 26);
    sheet::LED(s, 30, 26);
    sheet::Switch(s, 32, 26);
    sheet::Sensor(s, 34, 26, QStringLiteral("A"));
    sheet::Wire(s, 5, 3, 9, 3);
    s.circuit.P(7, 3).Marker = -1;
}

struct PinTables {
    PinTable in{};
    PinTable out{};
    int16_t inCount = 0;
    int16_t outCount = 0;
    bool operator==(const PinTables&) const = default;
};

PinTables Tables(const ProgramState& s)
{
    return {s.InputPins, s.OutputPins, s.InputPinCount, s.OutputPinCount};
}

// Both shared tables filled with a value no parser gives.
void Scribble(ProgramState& s)
{
    s.InputPins.fill(PinPos{-7, -7});
    s.OutputPins.fill(PinPos{-7, -7});
    s.InputPinCount = -7;
    s.OutputPinCount = -7;
}

// Runs the parser and the drawing's loader from the same scribbled tables and
// expects the same tables, or the same subscript error, from both.
void ExpectSameAsParser(ProgramState& s, int16_t c, int16_t level, bool outputs, const char* what)
{
    SCOPED_TRACE(what);
    auto run = [&](bool loader) -> std::pair<PinTables, bool> {
        Scribble(s);
        try {
            if (outputs)
                loader ? symbols::LoadOutputPins(s, c, level) : ParseOutputPins(s, c, level);
            else
                loader ? symbols::LoadInputPins(s, c, level) : ParseInputPins(s, c, level);
        } catch (const RuntimeError&) {
            return {Tables(s), true};
        }
        return {Tables(s), false};
    };
    const auto parsed = run(false);
    const auto loaded = run(true);
    EXPECT_EQ(loaded.second, parsed.second) << "element " << c << " level " << level;
    EXPECT_TRUE(loaded.first == parsed.first) << "element " << c << " level " << level;
}

void ExpectAllSameAsParser(ProgramState& s, const char* what)
{
    for (int16_t c = 0; c <= s.circuit.ElementCount() + 1; ++c) {
        for (bool outputs : {false, true}) {
            ExpectSameAsParser(s, c, 0, outputs, what);
            ExpectSameAsParser(s, c, 0, outputs, what); // the second time from the cache
        }
    }
    ExpectSameAsParser(s, 1, 5, false, what);
}

std::vector<QString> DrawEachElement(ProgramState& s)
{
    RecordingSurface rec(SurfaceKind::Worksheet, 1000, 700);
    clsGrafik g(s, &rec);
    std::vector<QString> logs;
    for (int16_t e = 1; e <= s.circuit.ElementCount(); ++e) {
        rec.ClearLog();
        symbols::LoadInputPins(s, e, 0);
        DrawElement(s, g, s.InputPins[0].X, s.InputPins[0].Y, true, false);
        logs.push_back(rec.Log().join(u'\n'));
    }
    return logs;
}

} // namespace

TEST(DrawingPins, EveryPowerStateGivesWhatTheParsersGive)
{
    ProgramState s;
    BuildMixedSheet(s);
    ExpectAllSameAsParser(s, "power off");

    Copy_P_to_Field(s.circuit);
    s.engine.PowerFlag = kTrue;
    ClearPinCache(s.engine);
    ExpectAllSameAsParser(s, "power on, worksheet shown");

    // An IC's interior shown: its table is in Elements, level 0 keeps the worksheet's.
    s.engine.InnerLevelShown = kTrue;
    std::swap(s.circuit.Elements[1], s.circuit.Elements[2]);
    ExpectAllSameAsParser(s, "power on, inner level shown");
}

TEST(DrawingPins, SymbolsDrawTheSameWithThePowerOnAsWithItOff)
{
    ProgramState s;
    BuildMixedSheet(s);
    s.SelectedClock = -1;
    const std::vector<QString> off = DrawEachElement(s);

    Copy_P_to_Field(s.circuit);
    s.engine.PowerFlag = kTrue;
    ClearPinCache(s.engine);
    const std::vector<QString> firstOn = DrawEachElement(s);
    const std::vector<QString> againOn = DrawEachElement(s);
    ASSERT_EQ(firstOn.size(), off.size());
    for (size_t i = 0; i < off.size(); ++i) {
        EXPECT_FALSE(off[i].isEmpty()) << "element " << i + 1;
        EXPECT_EQ(firstOn[i], off[i]) << "element " << i + 1;
        EXPECT_EQ(againOn[i], off[i]) << "element " << i + 1;
    }
}

namespace {

struct TextCase {
    const char* font;
    double size;
    bool bold;
    bool transparent;
    QString text;
};

std::vector<TextCase> TextCases()
{
    return {
        {"Arial", 6, false, true, QStringLiteral("1")},
        {"Arial", 10, false, true, QStringLiteral(" &")},
        {"Arial", 10, false, true, QString(QChar(0x2265)) + QLatin1Char('1')},
        {"Arial", 7, true, false, QStringLiteral("Qb CLK")},
        {"Arial", 12.5, false, false, QStringLiteral("Übertrag ä ß")},
        {"MS Sans Serif", 8.25, false, true, QStringLiteral("Wave AV To")},
        {"Symbol", 9, false, true, QStringLiteral("abgS")},
        {"Arial", 0.62, false, true, QStringLiteral("1")},
        {"Arial", 30, true, true, QStringLiteral("fi ffl 12")},
        // Laid out differently by a text layout: drawn the painter's own way.
        {"Arial", 10, false, false, QStringLiteral("\u05D0\u05D1 ab 12")},
        {"Arial", 10, false, true, QStringLiteral("a\u00ADb-\u200Dc")},
    };
}

QImage BlankPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(DrawingText, ShapedOnceDrawsWhatThePainterDraws)
{
    const int w = 900, h = 700;
    PainterSurface surface(w, h);
    QImage expected = BlankPicture(w, h);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);

    surface.BackColor = 0xC0FFFF;
    surface.ForeColor = 0x0000FF;
    int y = 2;
    // Twice round, so that the second round draws from what the first kept.
    for (int round = 0; round < 2; ++round) {
        for (const TextCase& t : TextCases()) {
            const QFont font = MakeSurfaceFont(QLatin1String(t.font), t.size, t.bold);
            const QFontMetrics metrics(font, &expected);
            for (int x : {3, 300 + round}) {
                surface.FontName = QLatin1String(t.font);
                surface.FontSize = t.size;
                surface.FontBold = t.bold;
                surface.FontTransparent = t.transparent;
                surface.CurrentX = x;
                surface.CurrentY = y;
                surface.Print(t.text);

                const QString shown = IsSymbolFont(QLatin1String(t.font)) ? SymbolToUnicode(t.text) : t.text;
                painter.setFont(font);
                if (!t.transparent)
                    painter.fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()),
                                     ColorFromBgr(surface.BackColor));
                painter.setPen(ColorFromBgr(surface.ForeColor));
                painter.drawText(QPoint(x, y + metrics.ascent()), shown);
            }
            y += metrics.height() / 2 + 1; // lines overlap, as labels on a symbol may
        }
    }
    painter.end();
    ASSERT_LT(y, h);
    EXPECT_TRUE(surface.Image() == expected);
    EXPECT_FALSE(surface.Image() == BlankPicture(w, h));
}

TEST(DrawingText, EachFontKeepsItsOwnLineHeightWhenFontsAlternate)
{
    auto height = [](const char* font, double size, bool bold) {
        PainterSurface fresh(10, 10);
        fresh.FontName = QLatin1String(font);
        fresh.FontSize = size;
        fresh.FontBold = bold;
        return fresh.TextHeight(QStringLiteral("x"));
    };
    PainterSurface surface(200, 200);
    for (int round = 0; round < 3; ++round) {
        for (const TextCase& t : TextCases()) {
            surface.FontName = QLatin1String(t.font);
            surface.FontSize = t.size;
            surface.FontBold = t.bold;
            surface.CurrentY = 10;
            surface.Print(t.text);
            EXPECT_DOUBLE_EQ(surface.CurrentY - 10, height(t.font, t.size, t.bold)) << t.font << " " << t.size;
            EXPECT_DOUBLE_EQ(surface.TextHeight(QStringLiteral("a\r\nb")), 2 * height(t.font, t.size, t.bold));
        }
    }
}

TEST(DrawingPens, ChangedSettingsTakeEffectFromTheNextCall)
{
    // Each step in a cell of its own, on one surface; the same step alone on a
    // fresh surface must give the same cell. Consecutive steps differ in one setting.
    struct Step {
        int width, style, fillStyle;
        int32_t fill, fore;
        std::function<void(Surface&, int x)> draw;
    };
    auto line = [](int32_t color) {
        return [color](Surface& d, int x) { d.Line(x + 2, 5, x + 30, 5, color); };
    };
    auto box = [](int32_t color) {
        return [color](Surface& d, int x) { d.Line(x + 2, 2, x + 30, 30, color, LineMode::Box); };
    };
    auto circle = [](Surface& d, int x) { d.Circle(x + 16, 16, 10, 0xFF); };
    auto polyline = [](Surface& d, int x) { d.Polyline({QPoint(x + 2, 9), QPoint(x + 30, 9)}); };
    const std::vector<Step> steps = {
        {1, 0, 1, 0, 0, line(0xFF)},
        {1, 0, 1, 0, 0, line(0xFF00)},
        {1, 0, 1, 0, 0, [](Surface& d, int x) { d.Line(x + 30, 30, x + 30, 2, 0xFF00); }},
        {1, 0, 1, 0, 0, [](Surface& d, int x) { d.Line(x + 5, 5, x + 5, 5, 0); }},
        {1, 0, 1, 0, 0, [](Surface& d, int x) { d.Line(x + 2, 2, x + 30, 25, 0xFF0000); }},
        {3, 0, 1, 0, 0, line(0xFF)},
        {1, 0, 1, 0, 0, line(0xFF)},
        {1, 2, 1, 0, 0, line(0xFF)},
        {1, 5, 1, 0, 0, line(0xFF)},
        {1, 0, 0, 0xC0FFFF, 0, box(0)},
        {1, 0, 0, 0xFFC0C0, 0, box(0)},
        {1, 0, 1, 0xFFC0C0, 0, box(0xFF)},
        {1, 0, 4, 0xFFC0C0, 0, box(0xFF)},
        {1, 0, 0, 0xFFC0C0, 0, circle},
        {1, 0, 0, 0xE0E0E0, 0, circle},
        {1, 1, 0, 0xE0E0E0, 0, circle},
        {1, 0, 1, 0, 0x808080, polyline},
        {1, 0, 1, 0, 0xFF, polyline},
    };
    constexpr int kCell = 40;
    const int w = kCell * static_cast<int>(steps.size());
    auto apply = [](Surface& d, const Step& step) {
        d.DrawWidth = step.width;
        d.DrawStyle = step.style;
        d.FillStyle = step.fillStyle;
        d.FillColor = step.fill;
        d.ForeColor = step.fore;
    };
    PainterSurface together(w, kCell);
    for (size_t i = 0; i < steps.size(); ++i) {
        const int x = kCell * static_cast<int>(i);
        apply(together, steps[i]);
        steps[i].draw(together, x);
        PainterSurface alone(w, kCell);
        apply(alone, steps[i]);
        steps[i].draw(alone, x);
        EXPECT_TRUE(together.Image().copy(x, 0, kCell, kCell) == alone.Image().copy(x, 0, kCell, kCell))
            << "step " << i;
        if (i == 3) {
            EXPECT_TRUE(alone.Image() == BlankPicture(w, kCell)) << "a line of no length";
        }
    }
}

namespace {

// A small generator, the same on every run.
struct Lcg {
    uint32_t state = 12345;
    int Next(int bound)
    {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 8) % static_cast<uint32_t>(bound));
    }
};

} // namespace

// Conductor strokes given several at once draw what they draw one at a time,
// and what the painter draws on a picture that is not the surface's own: on
// the whole picture and on a held part, with a user scale and a wide pen, with
// ends inside the picture, on its edges and beyond, straight or not, as long
// as a piece at the largest zoom; and three side by side, as a conductor piece.
TEST(DrawingStrokes, SeveralAtOnceDrawWhatOneAtATimeDraws)
{
    const std::vector<std::function<void(PainterSurface&)>> setups{
        [](PainterSurface&) {},
        [](PainterSurface& d) { d.HoldPart(QSize(90, 70), QRect(20, 10, 40, 45)); },
        [](PainterSurface& d) { d.SetScale(0, 0, 45, 35); },
        [](PainterSurface& d) { d.DrawWidth = 2; },
        [](PainterSurface& d) { d.DrawStyle = 2; },
    };
    Lcg random;
    int piecesDrawn = 0;
    for (size_t k = 0; k < setups.size(); ++k) {
        for (int trial = 0; trial < 40; ++trial) {
            QPoint points[6];
            int32_t colors[3];
            for (int i = 0; i < 3; ++i) {
                const QPoint from(random.Next(110) - 10, random.Next(90) - 10);
                const int length = random.Next(121) - 60;
                const int shape = random.Next(4); // across, upright, none, slanted
                points[2 * i] = from;
                points[2 * i + 1] = from + QPoint(shape == 1 ? 0 : length, shape == 0 || shape == 2 ? 0 : length);
                if (shape == 2)
                    points[2 * i + 1] = from;
                colors[i] = random.Next(2) ? 0xFF : 0x808080 + random.Next(0x7F);
            }
            PainterSurface one(90, 70), many(90, 70), single(90, 70);
            for (PainterSurface* d : {&one, &many, &single})
                setups[k](*d);
            for (int i = 0; i < 3; ++i) {
                one.ForeColor = colors[i];
                one.TwoPointLine(points[2 * i], points[2 * i + 1]);
            }
            many.TwoPointLines(points, colors, 3);
            EXPECT_TRUE(one.Image() == many.Image()) << "setup " << k << " trial " << trial;
            EXPECT_EQ(one.DrawCount(), many.DrawCount()) << "setup " << k;
            EXPECT_EQ(one.ForeColor, many.ForeColor);
            // In one colour: the last stroke drawn alone on what the first two drew.
            single.TwoPointLines(points, colors, 2);
            single.ForeColor = colors[2];
            single.TwoPointLines(points + 4, 1);
            EXPECT_TRUE(one.Image() == single.Image()) << "setup " << k << " trial " << trial;
            QImage canvas(90, 70, QImage::Format_RGB32);
            canvas.fill(Qt::white);
            {
                PainterSurface painted(&canvas, SurfaceKind::Worksheet);
                setups[k](painted);
                for (int i = 0; i < 3; ++i) {
                    painted.ForeColor = colors[i];
                    painted.TwoPointLine(points[2 * i], points[2 * i + 1]);
                }
            }
            EXPECT_TRUE(one.Image() == canvas.copy(one.HeldRect())) << "setup " << k << " trial " << trial;

            // Side by side, as a conductor piece's strokes: the picture's own
            // routine draws what they draw one at a time, or nothing at all.
            const bool level = random.Next(2) != 0;
            int across = trial % 5 == 0 ? random.Next(95) - 10 : 1 + random.Next(level ? 68 : 88);
            if (trial % 3 == 2 && trial % 5 != 0) // the third stroke just beyond the edge
                across = level ? 69 : 89;
            const bool alike = trial % 2 == 0;
            int from[3], to[3];
            for (int i = 0; i < 3; ++i) {
                from[i] = alike && i > 0 ? from[0] : random.Next(level ? 100 : 80) - 5;
                to[i] = alike && i > 0 ? to[0] : from[i] + random.Next(41) - 20;
                if (trial % 3 == 1) { // just one pixel beyond the far edge
                    to[i] = level ? 91 : 71;
                    from[i] = to[i] - 6;
                }
                if (alike)
                    colors[i] = colors[0];
                const QPoint a = level ? QPoint(from[i], across - 1 + i) : QPoint(across - 1 + i, from[i]);
                points[2 * i] = a;
                points[2 * i + 1] = level ? QPoint(to[i], a.y()) : QPoint(a.x(), to[i]);
            }
            PainterSurface piece(90, 70), strokes(90, 70), blank(90, 70);
            for (PainterSurface* d : {&piece, &strokes, &blank})
                setups[k](*d);
            const bool drawn = alike ? piece.PieceStrokesAlike(level, across, from[0], to[0], colors[0])
                                     : piece.PieceStrokes(level, across, from, to, colors);
            if (drawn) {
                strokes.TwoPointLines(points, colors, 3);
                ++piecesDrawn;
            }
            EXPECT_TRUE(piece.Image() == (drawn ? strokes : blank).Image()) << "setup " << k << " trial " << trial;
            EXPECT_EQ(piece.DrawCount(), drawn ? strokes.DrawCount() : 0u) << "setup " << k << " trial " << trial;
        }
    }
    EXPECT_GE(piecesDrawn, 8) << "many pieces land on the picture";
}

// A patch put by the stretches of its opaque pixels puts what putting it
// pixel by pixel puts, whatever part of it the area and the held part cut.
TEST(DrawingPatches, PutByItsRunsIsPutPixelByPixel)
{
    Lcg random;
    for (int trial = 0; trial < 60; ++trial) {
        QImage patch(1 + random.Next(24), 1 + random.Next(24), QImage::Format_ARGB32_Premultiplied);
        patch.fill(Qt::transparent);
        for (int y = 0; y < patch.height(); ++y)
            for (int x = 0; x < patch.width(); ++x)
                if (random.Next(3) != 0)
                    patch.setPixel(x, y, 0xFF000000u | static_cast<uint32_t>(random.Next(0xFFFFFF)));
        const PainterSurface::PatchRuns runs = PainterSurface::OpaqueRuns(patch);
        const QPoint at(random.Next(60) - 10, random.Next(50) - 10);
        const QRect area(random.Next(60) - 5, random.Next(50) - 5, random.Next(40), random.Next(40));
        const QRect held = trial % 2 ? QRect(0, 0, 60, 50) : QRect(7, 5, 30, 28);
        PainterSurface plain(1, 1), byRuns(1, 1);
        plain.HoldPart(QSize(60, 50), held);
        byRuns.HoldPart(QSize(60, 50), held);
        plain.PutPatch(patch, at, area);
        byRuns.PutPatch(patch, at, area, &runs);
        EXPECT_TRUE(plain.Image() == byRuns.Image()) << "trial " << trial;
        EXPECT_EQ(plain.DrawCount(), byRuns.DrawCount()) << "trial " << trial;
    }
}

// A filled box straight into the picture is the box the line routine fills:
// corners between pixels, beyond the picture, on a held part, with a scale.
TEST(DrawingBoxes, AFilledBoxIsTheBoxOfTheLineRoutine)
{
    const std::vector<std::function<void(PainterSurface&)>> setups{
        [](PainterSurface&) {},
        [](PainterSurface& d) { d.HoldPart(QSize(90, 70), QRect(20, 10, 40, 45)); },
        [](PainterSurface& d) { d.SetScale(0, 0, 45, 35); },
    };
    Lcg random;
    for (size_t k = 0; k < setups.size(); ++k) {
        for (int trial = 0; trial < 30; ++trial) {
            const double x = random.Next(110) - 10 + random.Next(7) / 7.0;
            const double y = random.Next(90) - 10 + random.Next(7) / 7.0;
            const double d = random.Next(30) / 7.0;
            const int32_t color = random.Next(0xFFFFFF);
            PainterSurface line(90, 70), box(90, 70);
            setups[k](line);
            setups[k](box);
            line.Line(x - d, y - d, x + d, y + d, color, LineMode::BoxFilled);
            box.FilledBox(x - d, y - d, x + d, y + d, color);
            EXPECT_TRUE(line.Image() == box.Image()) << "setup " << k << " trial " << trial;
            EXPECT_EQ(line.DrawCount(), box.DrawCount());
            EXPECT_EQ(line.CurrentX, box.CurrentX);
            EXPECT_EQ(line.CurrentY, box.CurrentY);
        }
    }
}
