// The IC symbol (outline, name, connector stubs and names) and the mark of
// an IC connector cell.
#include "render/clsGrafik.h"

#include "model/field_list.h"
#include "model/geometry.h"
#include "model/state.h"
#include "platform/null_surface.h"
#include "platform/numeric.h"
#include "platform/surface.h"
#include "render/symbol_helpers.h"

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kPaleYellow = 0xC0FFFF;
constexpr int32_t kSilver = 0xC0C0C0;
constexpr int32_t kBlue = 0xFF0000;

// The text measure: an auto-sized label on the screen, so widths and heights
// are in screen pixels at the font size given, whatever surface is drawn on.
class TextMeasure {
public:
    void SetFont(double size, bool bold)
    {
        label_.FontName = QStringLiteral("Arial");
        label_.FontSize = size;
        label_.FontBold = bold;
    }
    double Width(const QString& text) const { return label_.TextWidth(text); }
    double Height(const QString& text) const { return label_.TextHeight(text); }

private:
    NullSurface label_;
};

int FieldAsInt(const QString& list, int n)
{
    return CInt(Val(GetField(list, n)));
}

// Where an IC's box lies, in cells, and the pitch it is drawn at.
struct ICFrame {
    const ProgramState& s;
    Surface& dev;
    double z;
    double g;
    int16_t X0, Y0, W, H;

    double px(int i) const
    {
        if (i < INT16_MIN || i > INT16_MAX)
            throw RuntimeError(kErrOverflow, "Overflow");
        return GridToPixel(s, static_cast<int16_t>(i));
    }
};

// The connectors: a stub out of the box and the name inside it, for each
// place the IC lists on its edge.
void DrawICConnectors(const ICFrame& f, const ICInstanceRecord& ic, const TextMeasure& lblIC)
{
    Surface& dev = f.dev;
    const double z = f.z;
    const double g = f.g;
    const int16_t X0 = f.X0, Y0 = f.Y0, W = f.W, H = f.H;
    auto px = [&f](int i) { return f.px(i); };
    for (int n = 1; n <= ic.PinCount; ++n) {
        const QString place = ic.GraphicPins.value(n);
        if (place.isEmpty())
            continue;
        const int gx = FieldAsInt(place, 1);
        const int gy = FieldAsInt(place, 2);
        const QString name = GetField(place, 3);
        const double tw = lblIC.Width(name);
        const double th = lblIC.Height(name);
        double tx = 0;
        double ty = 0;
        if (gx != 0 && gx == W) {
            dev.Line(px(X0 + W), px(Y0 + gy), px(X0 + W) + z / 2, px(Y0 + gy), f.s.LineColor);
            tx = px(X0 + W) - tw - 2 * g;
            ty = px(gy) + px(Y0) - z / 2 - th / 2;
        } else if (gx == 0) {
            dev.Line(px(X0), px(Y0 + gy), px(X0) - z / 2, px(Y0 + gy), f.s.LineColor);
            tx = px(X0) + 4 * g;
            ty = px(gy) + px(Y0) - z / 2 - th / 2;
        } else if (gy != 0 && gy == H) {
            dev.Line(px(X0 + gx), px(Y0 + H), px(X0 + gx), px(Y0 + H) + z / 2, f.s.LineColor);
            tx = px(gx) + px(X0) - z / 2 - tw / 2;
            ty = px(Y0 + H) - th;
        } else if (gy == 0) {
            dev.Line(px(X0 + gx), px(Y0), px(X0 + gx), px(Y0) - z / 2, f.s.LineColor);
            tx = px(gx) + px(X0) - z / 2 - tw / 2;
            ty = px(Y0) + 2;
        } else {
            continue;
        }
        dev.CurrentX = tx;
        dev.CurrentY = ty;
        dev.Print(name);
    }
}

} // namespace

void clsGrafik::DrawIC(int16_t x, int16_t y, int16_t icIndex, bool outline)
{
    if (icIndex <= 0 || static_cast<size_t>(icIndex) >= s_.circuit.ICInstances.size() || Device == nullptr)
        return;
    Surface& dev = *Device;
    const ICInstanceRecord& ic = s_.circuit.ICInstances[static_cast<size_t>(icIndex)];
    ZoomedPitch = GridPixelZoomed();
    const double z = ZoomedPitch;
    const double g = s_.GridMode;

    // A cell without a link names IC 0, whose element 0 leaves the caller's pins parsed.
    const uint8_t link = s_.circuit.P.Contains(x, y) ? s_.circuit.P(x, y).ICLink : 0;
    const int16_t element =
        link < s_.circuit.ICInstances.size() ? s_.circuit.ICInstances[link].ElementNr : int16_t{0};
    symbols::LoadInputPins(s_, element, ic.ParentLevel);
    const QString first = ic.GraphicPins.value(1);
    const double gx1 = Val(GetField(first, 1));
    const double gy1 = Val(GetField(first, 2));
    const int16_t X0 = CInt(s_.InputPins[0].X - gx1);
    const int16_t Y0 = CInt(s_.InputPins[0].Y - gy1);
    const int16_t W = ic.Width;
    const int16_t H = ic.Height;
    auto px = [this](int i) -> double {
        if (i < INT16_MIN || i > INT16_MAX)
            throw RuntimeError(kErrOverflow, "Overflow");
        return GridToPixel(s_, static_cast<int16_t>(i));
    };

    dev.ForeColor = 0;
    dev.FontName = QStringLiteral("Arial");
    dev.FillColor = OnPrinter() ? kWhite : kPaleYellow;
    dev.FillStyle = 0;
    if (outline) {
        dev.FillStyle = 1;
        dev.Line(px(X0), px(Y0), px(X0 + W), px(Y0 + H), s_.LineColor, LineMode::Box);
        return;
    }
    dev.Line(px(X0), px(Y0), px(X0 + W), px(Y0 + H), s_.LineColor, LineMode::Box);

    // The name is measured a size larger than it is printed on the worksheet.
    TextMeasure lblIC;
    lblIC.SetFont(static_cast<double>(10.0f * s_.GridMode), true);
    double tw = lblIC.Width(ic.Name);
    double th = lblIC.Height(ic.Name);
    dev.CurrentX = CInt(px(X0) + px(W) / 2 - tw / 2);
    dev.CurrentY = CInt(px(Y0) + px(H) / 2 - th / 2);
    dev.FontSize = static_cast<double>((OnWorksheet() ? 9.0f : 1.08f) * s_.GridMode);
    dev.FontBold = true;
    dev.Print(ic.Name);

    lblIC.SetFont(static_cast<double>(8.0f * s_.GridMode), false);
    dev.FontSize = static_cast<double>((OnWorksheet() ? 8.0f : 0.95f) * s_.GridMode);
    dev.FontBold = false;
    DrawICConnectors({s_, dev, z, g, X0, Y0, W, H}, ic, lblIC);
}

void clsGrafik::DrawICInOut(int16_t x, int16_t y)
{
    if (Device == nullptr)
        return;
    Surface& dev = *Device;
    dev.FillStyle = 0;
    dev.FillColor = OnPrinter() ? kSilver : kBlue;
    dev.ForeColor = 0;
    // On screen the mark keeps its size at every zoom.
    const double radius = OnPrinter() ? static_cast<double>(3.0f * s_.GridMode) : 3.0;
    dev.Circle(GridToPixel(s_, x), GridToPixel(s_, y), radius);
}
