#include "platform/color.h"

QColor ColorFromBgr(int32_t bgr)
{
    const auto v = static_cast<uint32_t>(bgr);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

int32_t BgrFromColor(const QColor& color)
{
    const QColor c = color.toRgb();
    return static_cast<int32_t>(c.red() | (c.green() << 8) | (c.blue() << 16));
}
