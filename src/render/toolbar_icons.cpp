#include "render/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace {

// Pictures are drawn on a 24 x 24 grid; thin lines sit on half units so they
// stay sharp at both 24 and 48 pixels.
constexpr qreal kGrid = 24;

const QColor kInk(0x26, 0x26, 0x26);
const QColor kGrey(0x8c, 0x8c, 0x8c);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kShade(0xd8, 0xd8, 0xd8);
const QColor kBlue(0x22, 0x6a, 0xc8);
const QColor kPaleBlue(0xcc, 0xdf, 0xf6);
const QColor kRed(0xd8, 0x3c, 0x2e);
const QColor kGreen(0x3c, 0xc8, 0x5a);
const QColor kAmber(0xe8, 0xb0, 0x36);
const QColor kPaleAmber(0xf7, 0xdb, 0x92);
const QColor kChip(0x36, 0x36, 0x36);

// What varies between pictures drawn by the same function.
struct Shape {
    const char* label = nullptr; // UTF-8
    int inputs = 0;
    int outputs = 0;
    bool bubble = false;
    bool clock = false;
    bool chip = false;
    int turns = 0; // quarter turns clockwise
    int sign = 0;
};

using Draw = void (*)(QPainter&, const Shape&);

struct Picture {
    const char* toolbar;
    const char* key;
    Draw draw;
    Shape shape = {};
};

void Pen(QPainter& p, const QColor& c = kInk, qreal width = 1)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

QFont Font(int px, bool bold = true, bool serif = false, bool italic = false)
{
    QFont f(serif ? QStringLiteral("Serif") : QStringLiteral("Sans Serif"));
    f.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// Drawn as an outline so it scales exactly with the picture; squeezed
// sideways beyond room rather than shrunk, so a long label keeps its height.
void Text(QPainter& p, const QRectF& r, const QString& text, const QFont& font, const QColor& c, qreal room = 0)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    const qreal squeeze = room > 0 && b.width() > room ? room / b.width() : 1;
    QTransform t;
    t.translate(r.center().x(), r.center().y());
    t.scale(squeeze, 1);
    t.translate(-b.center().x(), -b.center().y());
    p.fillPath(t.map(path), c);
}

// A filled head whose tip is at tip, pointing away from from.
void Head(QPainter& p, QPointF from, QPointF tip, const QColor& c, qreal length = 3.5, qreal half = 2.5)
{
    QPointF d = tip - from;
    d /= std::hypot(d.x(), d.y());
    const QPointF n(-d.y(), d.x());
    const QPointF base = tip - d * length;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF{tip, base + n * half, base - n * half});
    p.restore();
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, bool bothEnds, qreal width = 1.5)
{
    QPointF d = to - from;
    d /= std::hypot(d.x(), d.y());
    // The shaft stops inside the heads so its flat end does not poke out of the tip.
    Pen(p, c, width);
    p.drawLine(bothEnds ? from + d * 2 : from, to - d * 2);
    Head(p, from, to, c);
    if (bothEnds)
        Head(p, to, from, c);
}

void Page(QPainter& p, const QRectF& r, qreal fold)
{
    Pen(p);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF{r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold}, r.bottomRight(),
                            r.bottomLeft()});
    p.setBrush(kShade);
    p.drawPolygon(QPolygonF{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold},
                            {r.right(), r.top() + fold}});
}

void Lines(QPainter& p, qreal x1, qreal x2, qreal y, int count, qreal step, const QColor& c = kGrey)
{
    Pen(p, c);
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(x1, y + i * step), QPointF(x2, y + i * step));
}

// A chip seen from above: dark body, pins on both long sides, notch on top.
void Chip(QPainter& p, const QRectF& body, int pins, qreal pinLength)
{
    Pen(p, kGrey, 1.5);
    for (int i = 0; i < pins; ++i) {
        const qreal y = body.top() + body.height() * (i + 0.5) / pins;
        p.drawLine(QPointF(body.left() - pinLength, y), QPointF(body.left(), y));
        p.drawLine(QPointF(body.right(), y), QPointF(body.right() + pinLength, y));
    }
    Pen(p);
    p.setBrush(kChip);
    p.drawRoundedRect(body, 1, 1);
    const qreal r = body.width() / 5;
    p.setPen(Qt::NoPen);
    p.setBrush(kGrey);
    p.drawPie(QRectF(body.center().x() - r, body.top() - r, 2 * r, 2 * r), 180 * 16, 180 * 16);
}

void Pointer(QPainter& p)
{
    Pen(p);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF{{4.5, 2.5}, {4.5, 19.5}, {8.5, 15.5}, {11.5, 21.5}, {14, 20.3}, {11, 14.5}, {16.5, 14.5}});
}

void Magnifier(QPainter& p, const Shape& s)
{
    p.setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.5, 15.5), QPointF(20.5, 20.5));
    Pen(p, kInk, 1.5);
    p.setBrush(kPaleBlue);
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    Pen(p, kInk, 1.5);
    if (s.sign != 0)
        p.drawLine(QPointF(7, 10), QPointF(13, 10));
    if (s.sign > 0)
        p.drawLine(QPointF(10, 7), QPointF(10, 13));
}

// Bars on the sides the view is fitted to, arrows across them.
void FitFrame(QPainter& p, bool horizontal, bool vertical)
{
    Pen(p, kInk, 1.5);
    if (vertical) {
        p.drawLine(QPointF(2.5, 2.75), QPointF(21.5, 2.75));
        p.drawLine(QPointF(2.5, 21.25), QPointF(21.5, 21.25));
        Arrow(p, QPointF(12, 5), QPointF(12, 19), kBlue, true);
    }
    if (horizontal) {
        Pen(p, kInk, 1.5);
        p.drawLine(QPointF(2.75, 2.5), QPointF(2.75, 21.5));
        p.drawLine(QPointF(21.25, 2.5), QPointF(21.25, 21.5));
        Arrow(p, QPointF(5, 12), QPointF(19, 12), kBlue, true);
    }
}

qreal PinY(const QRectF& box, int index, int count)
{
    return std::floor(box.top() + box.height() * (index + 0.5) / count) + 0.5;
}

// Rectangular logic symbol: qualifier label, input wires left, output wires right.
void Gate(QPainter& p, const Shape& s)
{
    const QRectF box(6.5, 3.5, 11, 17);
    Pen(p);
    for (int i = 0; i < s.inputs; ++i) {
        const qreal y = PinY(box, i, s.inputs);
        p.drawLine(QPointF(2, y), QPointF(box.left(), y));
    }
    for (int i = 0; i < s.outputs; ++i) {
        const qreal y = PinY(box, i, s.outputs);
        p.drawLine(QPointF(box.right() + (s.bubble ? 4 : 0), y), QPointF(22, y));
    }
    p.setBrush(kPaper);
    p.drawRect(box);
    if (s.bubble)
        p.drawEllipse(QPointF(box.right() + 2, PinY(box, 0, 1)), 2, 2);
    if (s.clock) {
        const qreal y = PinY(box, s.inputs - 1, s.inputs);
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{box.left(), y - 2.5}, {box.left() + 3.5, y}, {box.left(), y + 2.5}});
    }
    if (s.chip)
        Chip(p, QRectF(10, 8.5, 4, 8), 3, 1.5);
    if (s.label) {
        const QString label = QString::fromUtf8(s.label);
        Text(p, box.adjusted(0, 0, 0, s.clock ? -4 : 0), label, Font(label.size() > 2 ? 6 : 7), kInk,
             box.width() - 3);
    }
}

void TriState(QPainter& p, const Shape&)
{
    const QRectF box(6.5, 8.5, 11, 12);
    Pen(p);
    p.drawLine(QPointF(2, 14.5), QPointF(box.left(), 14.5));
    p.drawLine(QPointF(box.right(), 14.5), QPointF(22, 14.5));
    Pen(p, kBlue);
    p.drawLine(QPointF(12, 1.5), QPointF(12, box.top()));
    Pen(p);
    p.setBrush(kPaper);
    p.drawRect(box);
    Text(p, QRectF(box.left(), box.top() + 0.5, box.width(), 6), QStringLiteral("EN"), Font(5), kBlue);
    Pen(p);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF{{11, 15.5}, {16, 15.5}, {13.5, 19.5}});
}

void Orientation(QPainter& p, const Shape& s)
{
    p.save();
    p.translate(12, 12);
    p.rotate(90 * s.turns);
    p.translate(-12, -12);
    Pen(p);
    p.drawLine(QPointF(2, 9.5), QPointF(7.5, 9.5));
    p.drawLine(QPointF(2, 14.5), QPointF(7.5, 14.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(7.5, 6.5, 9, 11));
    Arrow(p, QPointF(16.5, 12), QPointF(23, 12), kBlue, false);
    p.restore();
    Text(p, QRectF(8, 8, 8, 8), QStringLiteral("&"), Font(7), kInk);
}

void New(QPainter& p, const Shape&)
{
    Page(p, QRectF(5.5, 2.5, 13, 19), 5);
    Pen(p, kAmber, 1.5);
    p.drawLine(QPointF(19, 14), QPointF(19, 22));
    p.drawLine(QPointF(15, 18), QPointF(23, 18));
}

void Open(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kPaleAmber);
    p.drawPolygon(QPolygonF{{2.5, 4.5}, {8.5, 4.5}, {10.5, 6.5}, {19.5, 6.5}, {19.5, 19.5}, {2.5, 19.5}});
    p.setBrush(kAmber);
    p.drawPolygon(QPolygonF{{2.5, 19.5}, {6.5, 10.5}, {22.5, 10.5}, {19.5, 19.5}});
}

void Save(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF{{3.5, 3.5}, {17.5, 3.5}, {20.5, 6.5}, {20.5, 20.5}, {3.5, 20.5}});
    p.setBrush(kShade);
    p.drawRect(QRectF(7.5, 3.5, 9, 6));
    p.setBrush(kInk);
    p.drawRect(QRectF(13.5, 4.5, 1, 4));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 12.5, 11, 8));
    Lines(p, 8, 16, 15.5, 2, 2.5);
}

void Print(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 2.5, 11, 7));
    p.setBrush(kShade);
    p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 1.5, 1.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 13.5, 11, 8));
    Lines(p, 8, 16, 16.5, 2, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(18.5, 11), 1, 1);
}

void Cut(QPainter& p, const Shape&)
{
    Pen(p, kInk, 1.5);
    p.drawLine(QPointF(9, 15), QPointF(17, 2.5));
    p.drawLine(QPointF(15, 15), QPointF(7, 2.5));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(7.5, 18.5), 3.2, 3.2);
    p.drawEllipse(QPointF(16.5, 18.5), 3.2, 3.2);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(12, 10.3), 0.8, 0.8);
}

void Copy(QPainter& p, const Shape&)
{
    Page(p, QRectF(3.5, 2.5, 12, 15), 4);
    Page(p, QRectF(9.5, 7.5, 12, 14), 4);
    Lines(p, 11.5, 19.5, 13.5, 3, 2.5);
}

void Paste(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(QColor(0xc8, 0x9b, 0x5e));
    p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1, 1);
    p.setBrush(kShade);
    p.drawRoundedRect(QRectF(7.5, 2.5, 6, 4), 1, 1);
    Page(p, QRectF(10.5, 9.5, 11, 12), 3);
    Lines(p, 12.5, 19.5, 14.5, 3, 2.5);
}

void Undo(QPainter& p, const Shape&)
{
    Pen(p, kInk, 2);
    QPainterPath path;
    path.moveTo(19.5, 19.5);
    path.cubicTo(20.5, 10, 15, 8, 8, 8);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    Head(p, QPointF(8, 8), QPointF(2.5, 8), kInk, 6, 4.5);
}

void UndoList(QPainter& p, const Shape&)
{
    p.save();
    p.translate(5, 0);
    p.scale(0.6, 0.6);
    Undo(p, {});
    p.restore();
    Lines(p, 3, 21, 15.5, 3, 3, kInk);
}

void Synthese(QPainter& p, const Shape&)
{
    Text(p, QRectF(0, 3, 9, 18), QStringLiteral("f"), Font(16, false, true, true), kInk);
    Arrow(p, QPointF(8, 12.5), QPointF(13, 12.5), kBlue, false, 1);
    Pen(p);
    p.drawLine(QPointF(20.5, 12.5), QPointF(23, 12.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(13.5, 6.5, 7, 12));
    Text(p, QRectF(13.5, 6.5, 7, 12), QStringLiteral("&"), Font(6), kInk);
}

void Tabelle(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kPaleBlue);
    p.drawRect(QRectF(2.5, 3.5, 19, 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 3.5, 19, 16));
    Lines(p, 2.5, 21.5, 11.5, 2, 4, kInk);
    p.drawLine(QPointF(8.5, 3.5), QPointF(8.5, 19.5));
    Pen(p, kInk, 2);
    p.drawLine(QPointF(15, 3.5), QPointF(15, 19.5));
}

void Pencil(QPainter& p, QPointF tip)
{
    p.save();
    p.translate(tip);
    p.rotate(45);
    Pen(p);
    p.setBrush(kPaleAmber);
    p.drawPolygon(QPolygonF{{0, 0}, {-2, -4}, {2, -4}});
    p.setBrush(kAmber);
    p.drawRect(QRectF(-2, -13, 4, 9));
    p.setBrush(kRed);
    p.drawRect(QRectF(-2, -15.5, 4, 2.5));
    p.restore();
}

void ICView(QPainter& p, const Shape&)
{
    Chip(p, QRectF(5.5, 2.5, 8, 15), 4, 2.5);
    Pencil(p, QPointF(11.5, 21.5));
}

void ICAuswahl(QPainter& p, const Shape&)
{
    Chip(p, QRectF(4.5, 4.5, 6, 15), 4, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaleBlue);
    p.drawRect(QRectF(15, 10, 8, 5));
    Pen(p);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(15.5, 3.5, 7, 17));
    Lines(p, 17, 21, 7.5, 3, 5, kInk);
}

void Einstellungen(QPainter& p, const Shape&)
{
    constexpr int teeth = 8;
    QPolygonF gear;
    for (int k = 0; k < teeth; ++k) {
        const qreal a = k * 2 * std::numbers::pi / teeth;
        for (auto [da, r] : {std::pair{-0.42, 7.0}, {-0.22, 10.0}, {0.22, 10.0}, {0.42, 7.0}})
            gear << QPointF(12 + r * std::cos(a + da), 12 + r * std::sin(a + da));
    }
    Pen(p);
    p.setBrush(QColor(0xb4, 0xb4, 0xb4));
    p.drawPolygon(gear);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(12, 12), 3, 3);
}

void Raster(QPainter& p, const Shape&)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            p.drawEllipse(QPointF(3.5 + 4.25 * i, 3.5 + 4.25 * j), 1.1, 1.1);
}

void Power(QPainter& p, const Shape&)
{
    Pen(p, kInk, 2);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 5, 15, 15), 130 * 16, 280 * 16);
    p.drawLine(QPointF(12, 2.5), QPointF(12, 12));
}

void PropertySheet(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 3.5, 19, 18));
    p.setBrush(kBlue);
    p.drawRect(QRectF(2.5, 3.5, 19, 3));
    Lines(p, 2.5, 21.5, 11.5, 2, 5);
    p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 21.5));
    Pen(p, kInk, 2);
    for (qreal y : {9.0, 14.0, 19.0}) {
        p.drawLine(QPointF(4, y), QPointF(8, y));
        p.drawLine(QPointF(11, y), QPointF(18, y));
    }
}

void SheetSize(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kPaper);
    p.drawRect(QRectF(8.5, 2.5, 13, 13));
    Arrow(p, QPointF(8.5, 20.5), QPointF(21.5, 20.5), kBlue, true);
    Arrow(p, QPointF(3.5, 2.5), QPointF(3.5, 15.5), kBlue, true);
}

void Layers(QPainter& p, const Shape&)
{
    Pen(p);
    const QColor fills[] = {kShade, kPaper, kPaleBlue};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 17 - 5 * i;
        p.setBrush(fills[i]);
        p.drawPolygon(QPolygonF{{12, y - 5}, {22, y}, {12, y + 5}, {2, y}});
    }
}

void Prompt(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kChip);
    p.drawRect(QRectF(2.5, 4.5, 19, 15));
    Pen(p, kPaper, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{6, 8.5}, {9.5, 12}, {6, 15.5}});
    p.drawLine(QPointF(11, 15.75), QPointF(17, 15.75));
}

void QuickHelp(QPainter& p, const Shape&)
{
    p.save();
    p.translate(0, 3);
    p.scale(0.75, 0.85);
    Pointer(p);
    p.restore();
    Text(p, QRectF(10, 1, 14, 18), QStringLiteral("?"), Font(16), kBlue);
}

void Select(QPainter& p, const Shape&)
{
    Pointer(p);
}

void TextTool(QPainter& p, const Shape&)
{
    Text(p, QRectF(0, 0, 24, 24), QStringLiteral("A"), Font(20, true, true), kInk);
}

void Leitungen(QPainter& p, const Shape&)
{
    Pen(p, kInk, 2);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{5, 5}, {5, 19}, {19, 19}});
    Pen(p, kInk, 1.5);
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(5, 3.5), 2, 2);
    p.drawEllipse(QPointF(20.5, 19), 2, 2);
}

void Led(QPainter& p, const Shape&)
{
    Pen(p, kInk, 1.5);
    p.drawLine(QPointF(10, 20.5), QPointF(10, 23));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(10, 14), 6.5, 6.5);
    Arrow(p, QPointF(15, 7), QPointF(19.5, 2.5), kInk, false, 1);
    Arrow(p, QPointF(18, 10), QPointF(22.5, 5.5), kInk, false, 1);
}

void Schalter(QPainter& p, const Shape&)
{
    Pen(p, kInk, 1.5);
    p.drawLine(QPointF(1, 17), QPointF(4.7, 17));
    p.drawLine(QPointF(19.3, 17), QPointF(23, 17));
    p.drawLine(QPointF(7, 16), QPointF(18, 8));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(6, 17), 1.3, 1.3);
    p.drawEllipse(QPointF(18, 17), 1.3, 1.3);
}

void Juncture(QPainter& p, const Shape&)
{
    Pen(p, kInk, 1.5);
    p.drawLine(QPointF(2, 10.5), QPointF(22, 10.5));
    p.drawLine(QPointF(12.5, 10.5), QPointF(12.5, 22));
    p.setBrush(kInk);
    p.drawEllipse(QPointF(12.5, 10.5), 2.5, 2.5);
}

void Koppeldiode(QPainter& p, const Shape&)
{
    Pen(p, kInk, 1.5);
    p.drawLine(QPointF(2, 12.5), QPointF(8, 12.5));
    p.drawLine(QPointF(16, 12.5), QPointF(22, 12.5));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{{8, 6.5}, {8, 18.5}, {15.5, 12.5}});
    Pen(p, kInk, 2);
    p.drawLine(QPointF(16, 6.5), QPointF(16, 18.5));
}

void Negationspunkt(QPainter& p, const Shape&)
{
    Pen(p, kGrey);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{23, 4.5}, {17.5, 4.5}, {17.5, 20.5}, {23, 20.5}});
    Pen(p, kInk, 1.5);
    p.drawLine(QPointF(2, 12.5), QPointF(11.5, 12.5));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(14.5, 12.5), 3, 3);
}

void Analysepunkt(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kChip);
    p.drawRect(QRectF(2.5, 2.5, 19, 11));
    Pen(p, kGreen, 1.2);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{4.5, 10.5}, {7.5, 10.5}, {7.5, 5.5}, {11.5, 5.5}, {11.5, 10.5}, {15.5, 10.5},
                             {15.5, 5.5}, {19.5, 5.5}});
    Pen(p, kGrey, 1.5);
    p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
    Pen(p);
    p.drawLine(QPointF(12.5, 13.5), QPointF(12.5, 17.5));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{{10.5, 16.5}, {14.5, 16.5}, {12.5, 21}});
}

void IC(QPainter& p, const Shape&)
{
    Chip(p, QRectF(7.5, 3.5, 9, 17), 4, 4);
}

void Wave(QPainter& p, const QPolygonF& wave)
{
    Pen(p, kGrey);
    p.drawLine(QPointF(2, 20.5), QPointF(22, 20.5));
    Pen(p, kInk, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(wave);
}

void Dauertakt(QPainter& p, const Shape&)
{
    Wave(p, QPolygonF{{2, 16.5},
                      {4.5, 16.5},
                      {4.5, 5.5},
                      {8.5, 5.5},
                      {8.5, 16.5},
                      {12.5, 16.5},
                      {12.5, 5.5},
                      {16.5, 5.5},
                      {16.5, 16.5},
                      {20.5, 16.5},
                      {20.5, 5.5},
                      {22, 5.5}});
}

void Einzeltakt(QPainter& p, const Shape&)
{
    Wave(p, QPolygonF{{2, 16.5}, {6.5, 16.5}, {6.5, 5.5}, {11.5, 5.5}, {11.5, 16.5}, {22, 16.5}});
}

void Stop(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kRed);
    p.drawRect(QRectF(5.5, 5.5, 13, 13));
}

void FullStop(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(QColor(0x9c, 0x26, 0x1c));
    p.drawRect(QRectF(2.5, 2.5, 13, 13));
    p.setBrush(kRed);
    p.drawRect(QRectF(8.5, 8.5, 13, 13));
}

void Zoom100(QPainter& p, const Shape&)
{
    Text(p, QRectF(0, 0, 24, 24), QStringLiteral("1:1"), Font(12), kInk);
}

void ZoomFull(QPainter& p, const Shape&)
{
    FitFrame(p, true, true);
}

void ZoomHeight(QPainter& p, const Shape&)
{
    FitFrame(p, false, true);
}

void ZoomWidth(QPainter& p, const Shape&)
{
    FitFrame(p, true, false);
}

// Segments of an 8, the lit ones red.
void ZAnzeige(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kChip);
    p.drawRoundedRect(QRectF(4.5, 1.5, 15, 21), 1, 1);
    p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
    const qreal l = 8.5, r = 15.5, t = 5, m = 12, b = 19;
    for (const QLineF& segment : {QLineF(l, t, r, t), QLineF(r, t, r, m), QLineF(r, m, r, b), QLineF(l, b, r, b),
                                  QLineF(l, m, l, b), QLineF(l, t, l, m), QLineF(l, m, r, m)})
        p.drawLine(segment.p1(), segment.p2());
}

// A truth table turned into a term.
void TermSynthese(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kPaleBlue);
    p.drawRect(QRectF(1.5, 5.5, 9, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1.5, 5.5, 9, 13));
    Lines(p, 1.5, 10.5, 12.5, 2, 3, kInk);
    p.drawLine(QPointF(6.5, 5.5), QPointF(6.5, 18.5));
    Arrow(p, QPointF(11.5, 12), QPointF(16, 12), kBlue, false, 1);
    Text(p, QRectF(15, 3, 9, 18), QStringLiteral("f"), Font(16, false, true, true), kInk);
}

// Two neighbouring ones of a map taken together.
void Vereinfachung(QPainter& p, const Shape&)
{
    Pen(p);
    p.setBrush(kPaper);
    p.drawRect(QRectF(3.5, 3.5, 17, 17));
    p.drawLine(QPointF(12, 3.5), QPointF(12, 20.5));
    p.drawLine(QPointF(3.5, 12), QPointF(20.5, 12));
    Text(p, QRectF(3.5, 12, 8.5, 8.5), QStringLiteral("1"), Font(7), kInk);
    Text(p, QRectF(12, 12, 8.5, 8.5), QStringLiteral("1"), Font(7), kInk);
    Pen(p, kBlue, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5, 13.5, 14, 5.5), 2.5, 2.5);
}

void NumberConversion(QPainter& p, const Shape&)
{
    Text(p, QRectF(0, 1, 24, 11), QStringLiteral("0x"), Font(10), kBlue);
    Text(p, QRectF(0, 12, 24, 11), QStringLiteral("10"), Font(10), kInk);
}

const Picture kPictures[] = {
    {"Toolbar", "cmdNew", New},
    {"Toolbar", "cmdOpen", Open},
    {"Toolbar", "cmdSave", Save},
    {"Toolbar", "cmdPrint", Print},
    {"Toolbar", "cmdCut", Cut},
    {"Toolbar", "cmdCopy", Copy},
    {"Toolbar", "cmdPaste", Paste},
    {"Toolbar", "cmdUndo", Undo},
    {"Toolbar", "cmdUndoList", UndoList},
    {"Toolbar", "cmdSynthese", Synthese},
    {"Toolbar", "cmdTabelle", Tabelle},
    {"Toolbar", "cmdICView", ICView},
    {"Toolbar", "cmdICAuswahl", ICAuswahl},
    {"Toolbar", "cmdEinstellungen", Einstellungen},
    {"Toolbar", "cmdRaster", Raster},
    {"Toolbar", "cmdPanel0", Power},
    {"Toolbar", "cmdPanel1", PropertySheet},
    {"Toolbar", "cmdPanel2", SheetSize},
    {"Toolbar", "cmdPanel3", Magnifier},
    {"Toolbar", "cmdPanel4", Layers},
    {"Toolbar", "cmdPanel5", Prompt},
    {"Toolbar", "cmdQuickHelp", QuickHelp},

    {"Toolbar2", "cmdSelect", Select},
    {"Toolbar2", "cmdText", TextTool},
    {"Toolbar2", "cmdLeitungen", Leitungen},
    {"Toolbar2", "cmdDiode", Led},
    {"Toolbar2", "cmdSchalter", Schalter},
    {"Toolbar2", "cmdInverter", Gate, {.label = "1", .inputs = 1, .outputs = 1, .bubble = true}},
    {"Toolbar2", "cmdVerbindungspunkt", Juncture},
    {"Toolbar2", "cmdKoppeldiode", Koppeldiode},
    {"Toolbar2", "cmdNegationspunkt", Negationspunkt},
    {"Toolbar2", "cmdAnalysepunkt", Analysepunkt},
    {"Toolbar2", "cmdUND", Gate, {.label = "&", .inputs = 2, .outputs = 1}},
    {"Toolbar2", "cmdODER", Gate, {.label = "\u22651", .inputs = 2, .outputs = 1}},
    {"Toolbar2", "cmdXODER", Gate, {.label = "=1", .inputs = 2, .outputs = 1}},
    {"Toolbar2", "cmdHA", Gate, {.label = "HA", .inputs = 2, .outputs = 2}},
    {"Toolbar2", "cmdVA", Gate, {.label = "VA", .inputs = 3, .outputs = 2}},
    {"Toolbar2", "cmdTriState", TriState},
    {"Toolbar2", "cmdDecoder", Gate, {.label = "DEC", .inputs = 2, .outputs = 4}},
    {"Toolbar2", "cmdDecoderT", Gate, {.label = "DEC", .inputs = 3, .outputs = 4, .clock = true}},
    {"Toolbar2", "cmdKomplex", Gate, {.inputs = 3, .outputs = 2, .chip = true}},
    {"Toolbar2", "cmdIC", IC},

    {"Toolbar3", "cmdDauertakt", Dauertakt},
    {"Toolbar3", "cmdEinzeltakt", Einzeltakt},
    {"Toolbar3", "cmdStop", Stop},
    {"Toolbar3", "cmdFullStop", FullStop},

    {"tlbOrientation", "cmdRechts", Orientation, {.turns = 0}},
    {"tlbOrientation", "cmdUnten", Orientation, {.turns = 1}},
    {"tlbOrientation", "cmdLinks", Orientation, {.turns = 2}},
    {"tlbOrientation", "cmdOben", Orientation, {.turns = 3}},

    {"tlbZoom", "cmdZoom100", Zoom100},
    {"tlbZoom", "cmdZoomFull", ZoomFull},
    {"tlbZoom", "cmdZoomHeight", ZoomHeight},
    {"tlbZoom", "cmdZoomWidth", ZoomWidth},
    {"tlbZoomInOut", "cmdZoomIn", Magnifier, {.sign = 1}},
    {"tlbZoomInOut", "cmdZoomOut", Magnifier, {.sign = -1}},

    // Switches of the settings dialog whose component or feature no button shows.
    {"frmOptions", "imgBauteil6", Gate, {.label = "FF", .inputs = 2, .outputs = 2, .clock = true}},
    {"frmOptions", "imgBauteil7", Gate, {.label = "MUX", .inputs = 3, .outputs = 1}},
    {"frmOptions", "imgBauteil10", Gate, {.label = "SRG", .inputs = 2, .outputs = 4, .clock = true}},
    {"frmOptions", "imgBauteil11", ZAnzeige},
    {"frmOptions", "imgSynthese2", TermSynthese},
    {"frmOptions", "imgSynthese3", Vereinfachung},
    {"frmOptions", "imgSynthese6", NumberConversion},
};

QPixmap Render(const Picture& picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.scale(size / kGrid, size / kGrid);
    picture.draw(p, picture.shape);
    return pixmap;
}

} // namespace

QIcon ToolbarIcon(const QString& toolbar, const QString& key)
{
    for (const Picture& picture : kPictures) {
        if (toolbar == QLatin1String(picture.toolbar) && key == QLatin1String(picture.key)) {
            QIcon icon;
            icon.addPixmap(Render(picture, 24));
            icon.addPixmap(Render(picture, 48));
            return icon;
        }
    }
    return {};
}
