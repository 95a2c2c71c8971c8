#include "ic/ic_preview.h"

#include <algorithm>

#include "model/field_list.h"
#include "model/files/record_reader.h"
#include "platform/numeric.h"
#include "platform/surface.h"

namespace {

constexpr int32_t kBlack = 0;
constexpr int32_t kBodyFill = 0xC0FFFF;

// The whole-number value of text, 0 beyond the field's width.
int16_t RoundedOrZero(const QString& text)
{
    const double v = Val(text);
    return v >= -32768.5 && v < 32767.5 ? CInt(v) : int16_t{0};
}

// Rounded half to even; far outside the picture stays far outside.
int Whole(double v)
{
    return static_cast<int>(RoundHalfEven(std::clamp(v, -1.0e6, 1.0e6)));
}

} // namespace

std::optional<ICPreviewData> LoadTmpGraphIC(const QString& path)
{
    auto file = RecordFile::Open(path);
    if (!file)
        return std::nullopt;
    ICPreviewData ic;
    try {
        ForEachRecord(*file, nullptr, [&](Section section, const QString& line) {
            switch (section) {
            case Section::Anschluesse: ic.ICPins.append(line + QStringLiteral("0;")); break;
            case Section::GraphischeAnschluesse: ic.ICGraphicPins.append(line); break;
            case Section::Masse:
                if (line.startsWith(u'X'))
                    ic.ICWidth = RoundedOrZero(line.mid(1));
                else if (line.startsWith(u'Y'))
                    ic.ICHeight = RoundedOrZero(line.mid(1));
                break;
            default: break;
            }
        });
    } catch (const RecordFormatError&) {
        return std::nullopt;
    }
    return ic;
}

void DrawICPreview(Surface& surface, const ICPreviewData& ic)
{
    surface.Cls();
    const int w = ic.ICWidth;
    const int h = ic.ICHeight;
    // Centred on whole cells.
    const int ox = Whole(Int((35 - w) / 2.0) * kPreviewCell);
    const int oy = Whole(Int((22 - h) / 2.0) * kPreviewCell);
    surface.FillStyle = 0;
    surface.FillColor = kBodyFill;
    surface.Line(ox, oy, ox + kPreviewCell * w, oy + kPreviewCell * h, kBlack, LineMode::Box);
    for (const QString& pin : ic.ICGraphicPins) {
        const double a = Val(GetField(pin, 1));
        const double b = Val(GetField(pin, 2));
        const int x = ox + Whole(kPreviewCell * a);
        const int y = oy + Whole(kPreviewCell * b);
        // Corners count as left or right side.
        if (a == 0)
            surface.Line(ox - 7, y, ox, y, kBlack);
        else if (a == w)
            surface.Line(x, y, x + 9, y, kBlack);
        else if (b == h)
            surface.Line(x, y, x, y + 8, kBlack);
        else if (b == 0)
            surface.Line(x, oy - 7, x, oy, kBlack);
    }
}

QRectF PreviewScale(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    const double unitsPerPixel = std::max(kPreviewFieldWidth / width, kPreviewFieldHeight / height);
    const double w = width * unitsPerPixel;
    const double h = height * unitsPerPixel;
    return {(kPreviewFieldWidth - w) / 2, (kPreviewFieldHeight - h) / 2, w, h};
}
