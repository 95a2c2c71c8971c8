#pragma once
// Where two looks of a symbol differ, in the pixels kept of each (premultiplied,
// transparent where the symbol draws nothing) and their runs of opaque pixels.
#include <QImage>
#include <QRect>
#include <vector>

#include "platform/painter_surface.h"

// The runs of the pixels of `to` that differ from those of `from`, a look of
// the same box: all that putting `to` where `from` is shown changes.
PainterSurface::PatchRuns DifferingRuns(const QImage& from, const QImage& to, const PainterSurface::PatchRuns& toRuns);

// The pixels of an outline look (its runs) that a whole look shows otherwise,
// both placed on the whole picture: a box a stretch, or the box of them all
// when there are many.
std::vector<QRect> OutlineDiffers(const QImage& whole, QRect wholeRect, const QImage& outline, QRect outlineRect,
                                  const PainterSurface::PatchRuns& outlineRuns);

// The runs `differing` of a look lying at `rect` on the whole picture,
// joined with its runs `all` inside the boxes from `boxFrom` to `boxTo`
// (pixels of the whole picture).
PainterSurface::PatchRuns JoinedRuns(const PainterSurface::PatchRuns& differing, const PainterSurface::PatchRuns& all,
                                     QRect rect, const QRect* boxFrom, const QRect* boxTo);
