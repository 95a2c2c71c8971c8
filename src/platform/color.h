#pragma once
// Colours are stored as &HBBGGRR: 255 is red, &HFF0000 is blue.
#include <QColor>
#include <cstdint>

// Only the low 24 bits carry the colour; higher bits are ignored.
QColor ColorFromBgr(int32_t bgr);
int32_t BgrFromColor(const QColor& color);
