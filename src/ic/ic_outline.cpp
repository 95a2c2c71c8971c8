#include "ic/ic_outline.h"

#include <cmath>

#include "ic/ic_connectors.h"
#include "model/field_list.h"
#include "model/state.h"
#include "platform/numeric.h"

namespace {

QString SideLetter(Side side)
{
    switch (side) {
    case Side::Left: return QStringLiteral("l");
    case Side::Right: return QStringLiteral("r");
    case Side::Top: return QStringLiteral("o");
    case Side::Bottom: return QStringLiteral("u");
    case Side::None: break;
    }
    return QString();
}

QString SingleText(double v)
{
    return QString::number(static_cast<double>(static_cast<float>(v)), 'g', 7);
}

bool Step(int16_t& value, int delta, int16_t low, int16_t high)
{
    const int next = value + delta;
    if (delta == 0 || next < low || next > high)
        return false;
    value = static_cast<int16_t>(next);
    return true;
}

bool Typed(int16_t& value, const QString& text, int16_t low, int16_t high)
{
    const double v = Val(text);
    if (v < low || v > high)
        return false;
    value = CInt(v);
    return true;
}

} // namespace

OutlineBox OutlineAt(int16_t width, int16_t height, double scale)
{
    OutlineBox b;
    b.x0 = static_cast<int>(std::floor((kRasterColumns - width) / 2.0));
    b.y0 = static_cast<int>(std::floor((kRasterRows - height) / 2.0));
    b.L = b.x0 * scale;
    b.T = b.y0 * scale;
    b.W = width * scale + 1;
    b.H = height * scale + 1;
    return b;
}

std::optional<Snap> SnapToOutline(const ICDefinition& s, double scale, double X, double Y)
{
    if (scale <= 0)
        return std::nullopt;
    const OutlineBox b = OutlineAt(s.ICWidth, s.ICHeight, scale);
    const bool besideV = b.T < Y && Y < b.T + b.H;
    const bool besideH = b.L < X && X < b.L + b.W;
    Side side = Side::None;
    if (X < b.L && besideV)
        side = Side::Left;
    else if (besideH && Y > b.T + b.H)
        side = Side::Bottom;
    else if (X > b.L + b.W && besideV)
        side = Side::Right;
    else if (besideH && Y < b.T)
        side = Side::Top;
    if (side == Side::None)
        return std::nullopt;

    Snap snap;
    PinPlace& p = snap.pin;
    p.side = side;
    const double ry = std::floor((Y + scale / 2) / scale) * scale;
    const double cx = std::floor((X + scale / 2) / scale) * scale;
    const auto gyOf = [&] { return static_cast<int>(std::floor((ry - b.T + 3) / scale)); };
    const auto gxOf = [&] { return static_cast<int>(std::floor((cx - b.L + 3) / scale)); };
    switch (side) {
    case Side::Left:
        p.from = {b.L, ry};
        p.to = {b.L - scale, ry};
        p.gx = 0;
        p.gy = gyOf();
        break;
    case Side::Right:
        p.from = {b.L + b.W, ry};
        p.to = {b.L + b.W + scale, ry};
        p.gx = s.ICWidth;
        p.gy = gyOf();
        break;
    case Side::Bottom:
        p.from = {cx, b.T + b.H};
        p.to = {cx, b.T + b.H + scale};
        p.gx = gxOf();
        p.gy = s.ICHeight;
        break;
    case Side::Top:
        p.from = {cx, b.T};
        p.to = {cx, b.T - scale};
        p.gx = gxOf();
        p.gy = 0;
        break;
    case Side::None:
        break;
    }
    if (side == Side::Left || side == Side::Right)
        snap.atCorner = ry <= b.T + 3 || ry >= b.T + b.H - 2;
    else
        snap.atCorner = cx <= b.L + 3 || cx >= b.L + b.W - 2;
    const double a = std::floor(X + scale / 2) / scale;
    const double c = std::floor(Y + scale / 2) / scale;
    snap.tag = SideLetter(side) + u';' + SingleText(a) + u';' + SingleText(c) + u';';
    return snap;
}

bool GetDoubleInOut(ICDefinition& s, int index, int gx, int gy)
{
    const QString key = QString::number(gx) + u';' + QString::number(gy) + u';';
    for (int j = 0; j <= s.ICPinCount && j < s.ICGraphicPins.size(); ++j) {
        if (j != index && s.ICGraphicPins.at(j).startsWith(key)) {
            if (index >= 0 && index < s.ICGraphicPins.size())
                s.ICGraphicPins[index].clear();
            return true;
        }
    }
    return false;
}

PlaceOutcome PlaceConnector(ICDefinition& s, int index, double scale, double X, double Y)
{
    // Only a connector that exists can be placed; anything else dragged here is ignored.
    if (index < 1 || index > s.ICPinCount)
        return PlaceOutcome::OutsideZones;
    ResizeConnectorLists(s, s.ICPinCount);
    const auto snap = SnapToOutline(s, scale, X, Y);
    if (!snap)
        return PlaceOutcome::OutsideZones;
    if (snap->atCorner || GetDoubleInOut(s, index, snap->pin.gx, snap->pin.gy)) {
        s.ICGraphicPins[index].clear();
        return PlaceOutcome::Refused;
    }
    s.ICGraphicPins[index] = QString::number(snap->pin.gx) + u';' + QString::number(snap->pin.gy) + u';'
        + ConnectorName(s, index) + u';';
    s.ICTags[index] = snap->tag;
    return PlaceOutcome::Accepted;
}

std::optional<PinPlace> PinFromEntry(const ICDefinition& s, double scale, const QString& graphicEntry)
{
    if (graphicEntry.isEmpty())
        return std::nullopt;
    const OutlineBox b = OutlineAt(s.ICWidth, s.ICHeight, scale);
    // Places come from files: a number beyond any outline is no place.
    const double gx = Val(GetField(graphicEntry, 1));
    const double gy = Val(GetField(graphicEntry, 2));
    if (std::abs(gx) > kMaxICWidth * 2 || std::abs(gy) > kMaxICHeight * 2)
        return std::nullopt;
    PinPlace p;
    p.gx = CInt(gx);
    p.gy = CInt(gy);
    const double x = (b.x0 + p.gx) * scale;
    const double y = (b.y0 + p.gy) * scale;
    if (p.gx == 0) {
        p.side = Side::Left;
        p.from = {b.L, y};
        p.to = {b.L - scale, y};
    } else if (p.gx == s.ICWidth) {
        p.side = Side::Right;
        p.from = {b.L + b.W, y};
        p.to = {b.L + b.W + scale, y};
    } else if (p.gy == 0) {
        p.side = Side::Top;
        p.from = {x, b.T};
        p.to = {x, b.T - scale};
    } else if (p.gy == s.ICHeight) {
        p.side = Side::Bottom;
        p.from = {x, b.T + b.H};
        p.to = {x, b.T + b.H + scale};
    } else {
        return std::nullopt;
    }
    return p;
}

QPointF LabelPlace(const OutlineBox& b, const PinPlace& pin, double scale, double labelWidth)
{
    switch (pin.side) {
    case Side::Left: return {b.L + 3, pin.from.y() - 0.375 * scale};
    case Side::Right: return {b.L + b.W - labelWidth - 3, pin.from.y() - 0.375 * scale};
    case Side::Top: return {pin.from.x() - labelWidth / 2, b.T + 2};
    case Side::Bottom: return {pin.from.x() - labelWidth / 2, b.T + b.H - 0.9 * scale};
    case Side::None: break;
    }
    return pin.from;
}

bool StepICWidth(ICDefinition& s, int delta)
{
    return Step(s.ICWidth, delta, kMinICWidth, kMaxICWidth);
}

bool StepICHeight(ICDefinition& s, int delta)
{
    return Step(s.ICHeight, delta, kMinICHeight, kMaxICHeight);
}

bool TypeICWidth(ICDefinition& s, const QString& text)
{
    return Typed(s.ICWidth, text, kMinICWidth, kMaxICWidth);
}

bool TypeICHeight(ICDefinition& s, const QString& text)
{
    return Typed(s.ICHeight, text, kMinICHeight, kMaxICHeight);
}
