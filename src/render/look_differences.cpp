#include "render/look_differences.h"

#include <algorithm>

using Runs = PainterSurface::PatchRuns;
using Run = PainterSurface::PatchRun;

namespace {

// An empty list of runs of the shape of `like`.
Runs Shaped(const Runs& like)
{
    Runs found{{}, {}, like.width, like.height, like.stride, like.premultiplied};
    found.rowStart.reserve(like.rowStart.size());
    return found;
}

} // namespace

Runs DifferingRuns(const QImage& from, const QImage& to, const Runs& toRuns)
{
    Runs found = Shaped(toRuns);
    for (int row = 0; row < toRuns.height; ++row) {
        found.rowStart.push_back(static_cast<int>(found.runs.size()));
        const QRgb* a = reinterpret_cast<const QRgb*>(from.constScanLine(row));
        const QRgb* b = reinterpret_cast<const QRgb*>(to.constScanLine(row));
        const size_t first = static_cast<size_t>(toRuns.rowStart[static_cast<size_t>(row)]);
        const size_t last = static_cast<size_t>(toRuns.rowStart[static_cast<size_t>(row) + 1]);
        for (size_t k = first; k < last; ++k) {
            const Run& r = toRuns.runs[k];
            for (int col = r.first; col <= r.last;) {
                if (a[col] == b[col]) {
                    ++col;
                    continue;
                }
                const int begin = col;
                while (col <= r.last && a[col] != b[col])
                    ++col;
                found.runs.push_back(Run{row, begin, col - 1});
            }
        }
    }
    found.rowStart.push_back(static_cast<int>(found.runs.size()));
    return found;
}

std::vector<QRect> OutlineDiffers(const QImage& whole, QRect wholeRect, const QImage& outline, QRect outlineRect,
                                  const Runs& outlineRuns)
{
    constexpr size_t kMost = 4;
    std::vector<QRect> differs;
    auto pixel = [&](int row, int col) -> QRgb {
        const int y = outlineRect.top() + row - wholeRect.top();
        const int x = outlineRect.left() + col - wholeRect.left();
        if (y < 0 || y >= whole.height() || x < 0 || x >= whole.width())
            return 0;
        return reinterpret_cast<const QRgb*>(whole.constScanLine(y))[x];
    };
    for (const Run& r : outlineRuns.runs) {
        const QRgb* line = reinterpret_cast<const QRgb*>(outline.constScanLine(r.row));
        for (int col = r.first; col <= r.last;) {
            if (line[col] == pixel(r.row, col)) {
                ++col;
                continue;
            }
            const int begin = col;
            while (col <= r.last && line[col] != pixel(r.row, col))
                ++col;
            differs.push_back(QRect(outlineRect.left() + begin, outlineRect.top() + r.row, col - begin, 1));
        }
    }
    if (differs.size() > kMost) {
        QRect all;
        for (const QRect& d : differs)
            all |= d;
        differs.assign(1, all);
    }
    return differs;
}

Runs JoinedRuns(const Runs& differing, const Runs& all, QRect rect, const QRect* boxFrom, const QRect* boxTo)
{
    Runs joined = Shaped(all);
    std::vector<Run> row;
    auto take = [&](const Runs& runs, int y, int left, int right) {
        for (int k = runs.rowStart[static_cast<size_t>(y)]; k < runs.rowStart[static_cast<size_t>(y) + 1]; ++k) {
            const Run& r = runs.runs[static_cast<size_t>(k)];
            if (std::max(r.first, left) <= std::min(r.last, right))
                row.push_back(Run{y, std::max(r.first, left), std::min(r.last, right)});
        }
    };
    for (int y = 0; y < all.height; ++y) {
        joined.rowStart.push_back(static_cast<int>(joined.runs.size()));
        row.clear();
        take(differing, y, 0, all.width - 1);
        const int pictureRow = rect.top() + y;
        for (const QRect* t = boxFrom; t != boxTo; ++t)
            if (t->top() <= pictureRow && pictureRow <= t->bottom())
                take(all, y, t->left() - rect.left(), t->right() - rect.left());
        // Overlapping and neighbouring stretches, all of opaque pixels, go as one.
        std::sort(row.begin(), row.end(), [](const Run& a, const Run& b) { return a.first < b.first; });
        for (const Run& r : row) {
            if (joined.runs.size() > static_cast<size_t>(joined.rowStart.back()) && r.first <= joined.runs.back().last + 1)
                joined.runs.back().last = std::max(joined.runs.back().last, r.last);
            else
                joined.runs.push_back(r);
        }
    }
    joined.rowStart.push_back(static_cast<int>(joined.runs.size()));
    return joined;
}
