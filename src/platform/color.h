#pragma once
// Colours are stored as &HBBGGRR: 255 is red, &HFF0000 is blue.
#include <QColor>
#include <cstdint>

// Only the low 24 bits carry the colour; higher bits are ignored.
QColor ColorFromBgr(int32_t bgr);
// The same as an opaque pixel value.
inline QRgb RgbFromBgr(int32_t bgr)
{
    const auto v = static_cast<uint32_t>(bgr);
    return 0xFF000000u | ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
int32_t BgrFromColor(const QColor& color);
