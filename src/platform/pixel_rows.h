#pragma once
// Short stretches of 32-bit pixels filled or copied four at a time: a
// conductor piece or a kept symbol's row is a few to a few dozen pixels, too
// short for a library call and long enough that one store per pixel shows.
#include <QRgb>
#include <cstring>

// n pixels from `to` on get `value`.
inline void FillPixels(QRgb* to, int n, QRgb value)
{
    if (n < 4) {
        for (int i = 0; i < n; ++i)
            to[i] = value;
        return;
    }
    const QRgb block[4] = {value, value, value, value};
    int i = 0;
    for (; i + 4 <= n; i += 4)
        std::memcpy(to + i, block, sizeof block);
    // The last few again with the ones before them: the same value.
    if (i < n)
        std::memcpy(to + n - 4, block, sizeof block);
}

// n pixels copied from `from` (which does not overlap `to`).
inline void CopyPixels(QRgb* to, const QRgb* from, int n)
{
    if (n < 4) {
        for (int i = 0; i < n; ++i)
            to[i] = from[i];
        return;
    }
    int i = 0;
    for (; i + 4 <= n; i += 4)
        std::memcpy(to + i, from + i, 4 * sizeof(QRgb));
    if (i < n)
        std::memcpy(to + n - 4, from + n - 4, 4 * sizeof(QRgb));
}
