#pragma once
// The small picture of an IC's outline and connector stubs that the main
// window shows for the IC chosen for placing.
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class Surface;

// What the preview reads of an IC definition file.
struct ICPreviewData {
    int16_t ICWidth = 0;
    int16_t ICHeight = 0;
    // Connector entries with a fourth field "0;" appended (not drawn).
    QStringList ICPins;
    // Connector places on the outline: field 1 x, field 2 y.
    QStringList ICGraphicPins;
};

// The preview field: 35 by 22 cells of 7.5 units.
inline constexpr double kPreviewCell = 7.5;
inline constexpr double kPreviewFieldWidth = 35 * kPreviewCell;
inline constexpr double kPreviewFieldHeight = 22 * kPreviewCell;

// Reads the connectors, the size and the connector places of the file at
// path; nothing when it is missing or cannot be read.
std::optional<ICPreviewData> LoadTmpGraphIC(const QString& path);

// Clears the surface and draws the IC's outline, centred on whole cells of
// the field, and a stub on each connector that lies on the outline.
void DrawICPreview(Surface& surface, const ICPreviewData& ic);

// The user scale that shows the whole field, centred, on a picture of
// width by height pixels without stretching it.
QRectF PreviewScale(int width, int height);
