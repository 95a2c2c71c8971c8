// The zoom commands of the drawing object: each sets the zoom factor and
// redraws the whole worksheet.
#include "render/clsGrafik.h"

#include <QSize>
#include <algorithm>

#include "model/geometry.h"
#include "model/state.h"
#include "platform/numeric.h"
#include "render/redraw.h"
#include "model/ports/worksheet_port.h"

namespace {

constexpr float kMinimumFitZoom = 0.6f;

enum class Fit { Best, Height, Width };

// The span a fitted picture takes: its cells (one more than the largest
// index) and the scroll reserve, as a 16-bit product.
int16_t SheetSpan(int16_t cells, int16_t pitch)
{
    const int span = (cells + 1 + kScrollReserveCells) * pitch;
    if (span < INT16_MIN || span > INT16_MAX)
        throw RuntimeError(kErrOverflow, "Overflow");
    return static_cast<int16_t>(span);
}

float FitZoom(const ProgramState& s, int16_t pitch, Fit fit)
{
    // A pixel less: the picture's size is rounded to whole pixels, up as well.
    const QSize inner = s.ports.worksheet->WorksheetContainerInnerSize() - QSize(1, 1);
    const double byHeight = static_cast<double>(inner.height()) / SheetSpan(s.circuit.MaxY, pitch);
    const double byWidth = static_cast<double>(inner.width()) / SheetSpan(s.circuit.MaxX, pitch);
    // The whole worksheet needs both axes to fit: the tighter one decides.
    const double zoom = fit == Fit::Height ? byHeight : fit == Fit::Width ? byWidth : std::min(byHeight, byWidth);
    const float result = static_cast<float>(zoom);
    return result < kMinimumFitZoom ? kMinimumFitZoom : result;
}

void Redraw(ProgramState& s, clsGrafik& g)
{
    // Through the window when there is one, so that it shows the new picture.
    if (s.ports.worksheet)
        s.ports.worksheet->RedrawAllElements();
    else
        RedrawAllElements(s, g, 0);
}

} // namespace

void clsGrafik::Zoom100()
{
    s_.GridMode = 1.0f;
    Redraw(s_, *this);
}

void clsGrafik::ZoomFull()
{
    if (s_.ports.worksheet)
        s_.GridMode = FitZoom(s_, GridPixel, Fit::Best);
    Redraw(s_, *this);
}

void clsGrafik::ZoomHeight()
{
    if (s_.ports.worksheet)
        s_.GridMode = FitZoom(s_, GridPixel, Fit::Height);
    Redraw(s_, *this);
}

void clsGrafik::ZoomWidth()
{
    if (s_.ports.worksheet)
        s_.GridMode = FitZoom(s_, GridPixel, Fit::Width);
    Redraw(s_, *this);
}
