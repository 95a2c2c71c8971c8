#include "editing/worksheet_size.h"

#include <algorithm>
#include <cmath>

#include "model/components.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "model/ports/worksheet_port.h"

QString ClampSizeText(const QString& text)
{
    const double v = Val(text);
    if (v < 10)
        return QStringLiteral("10");
    if (v > 200)
        return QStringLiteral("200");
    return text;
}

bool ResizeSheet(Circuit& s, int16_t w, int16_t h)
{
    if (w == s.MaxX && h == s.MaxY)
        return false;
    auto occupied = [&s](int x, int y) { return s.P(x, y).Type != 0; };
    int ly = 0;
    for (int y = s.MaxY; y >= 0 && ly == 0; --y)
        for (int x = 0; x <= s.MaxX; ++x)
            if (occupied(x, y)) {
                ly = y;
                break;
            }
    int lx = 0;
    for (int x = s.MaxX; x >= 0 && lx == 0; --x)
        for (int y = 0; y <= s.MaxY; ++y)
            if (occupied(x, y)) {
                lx = x;
                break;
            }
    // An occupied last row or column keeps the current size on that axis.
    if (ly + 1 > h)
        h = static_cast<int16_t>(std::min<int>(ly + 1, s.MaxY));
    if (lx + 1 > w)
        w = static_cast<int16_t>(std::min<int>(lx + 1, s.MaxX));
    if (w == s.MaxX && h == s.MaxY)
        return false;
    // A grid of its own: nothing else's buffer is overwritten.
    const Grid old = s.P;
    const int keepX = std::min<int>(s.MaxX, w);
    const int keepY = std::min<int>(s.MaxY, h);
    s.MaxX = w;
    s.MaxY = h;
    s.P.Redim(w + 1, h + 1);
    for (int x = 0; x <= keepX; ++x)
        for (int y = 0; y <= keepY; ++y)
            s.P(x, y) = old(x, y);
    return true;
}

bool SetNewSize(Circuit& c, WorksheetPort* sheet, int16_t w, int16_t h)
{
    const bool requested = w != c.MaxX || h != c.MaxY;
    const bool changed = ResizeSheet(c, w, h);
    if (!sheet || !requested)
        return changed;
    sheet->SetSizeBoxes(c.MaxX, c.MaxY);
    if (changed) {
        sheet->RedrawAllElements();
        sheet->ResizeWorksheet();
    }
    return changed;
}

namespace {

// Both boxes are held to the limits before converting: an uncommitted other
// box may hold anything, and a huge number would overflow.
int16_t BoxSize(const QString& text)
{
    return CInt(Val(ClampSizeText(text)));
}

// The user's own gate-input counts stay below what synthesis may write into the box.
constexpr int kGateBoxMax = 15;

int GateBoxMin()
{
    return Component(ElementType::AND).pins.minInputs;
}

} // namespace

SizeBoxTexts CommitSizeBox(Circuit& s, WorksheetPort* sheet, SizeBoxTexts boxes, SizeBox which)
{
    QString& box = which == SizeBox::Width ? boxes.txtX : boxes.txtY;
    box = ClampSizeText(box);
    const int16_t w = BoxSize(boxes.txtX);
    const int16_t h = BoxSize(boxes.txtY);
    if (w == s.MaxX && h == s.MaxY)
        return boxes;
    SetNewSize(s, sheet, w, h);
    return SizeBoxTexts{QString::number(s.MaxX), QString::number(s.MaxY)};
}

SizeBoxTexts StepSizeBox(Circuit& s, WorksheetPort* sheet, SizeBoxTexts boxes, SizeBox which, int step)
{
    QString& box = which == SizeBox::Width ? boxes.txtX : boxes.txtY;
    double v = Val(box);
    // Beyond fifteen digits the text would no longer read back as the number.
    if (!(std::fabs(v) < 1e15))
        v = v > 0 ? 1e15 : -1e15;
    box = Trim(Str(v + step));
    return CommitSizeBox(s, sheet, boxes, which);
}

QString ValidateGateInputs(const QString& text)
{
    // Held before rounding, so no count overflows the byte it is kept in.
    const double v = std::clamp(Val(text), 0.0, 255.0);
    const int n = std::clamp(static_cast<int>(RoundHalfEven(v)), GateBoxMin(), kGateBoxMax);
    return Str(n);
}

GateInputsStep GateInputsUpDown(int value)
{
    const int v = std::clamp(value, GateBoxMin(), kGateBoxMax);
    return GateInputsStep{v, QString::number(v)};
}
