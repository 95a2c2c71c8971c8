#pragma once
// The IC outline on the IC window's raster and the places of the connectors
// on its sides: snapping a dragged connector to a raster point between the
// corners, the occupancy test, and the pin lines drawn from the places.
#include <QPointF>
#include <QString>
#include <cstdint>
#include <optional>

// The outlines the IC window keeps, in raster steps; files may hold others.
constexpr int16_t kMinICWidth = 3;
constexpr int16_t kMaxICWidth = 31;
constexpr int16_t kMinICHeight = 2;
constexpr int16_t kMaxICHeight = 18;

struct ICDefinition;

// The raster of the IC window, in raster steps.
constexpr int kRasterColumns = 35;
constexpr int kRasterRows = 22;
// Drawing units per raster step when the window opens.
constexpr double kDefaultICViewScale = 8;

// The outline rectangle in drawing units, centred on the raster; its corners
// are the raster points (x0, y0) and (x0 + width, y0 + height).
struct OutlineBox {
    double L = 0, T = 0, W = 0, H = 0;
    int x0 = 0, y0 = 0;
};
OutlineBox OutlineAt(int16_t width, int16_t height, double scale);

enum class Side { None, Left, Bottom, Right, Top };

// A connector's pin: the side, its place (gx, gy) in raster steps from the
// outline's top-left corner, and the pin line from the outline outwards.
struct PinPlace {
    Side side = Side::None;
    int gx = 0;
    int gy = 0;
    QPointF from, to;
};

// Where the pointer (X, Y) puts a connector: nothing when it is in no side
// zone (on an edge, inside the outline, beyond a corner); refused is set
// for a corner point.
struct Snap {
    PinPlace pin;
    bool atCorner = false;
    QString tag; // side;a;b; with (a, b) the raster point nearest the pointer
};
std::optional<Snap> SnapToOutline(const ICDefinition& s, double scale, double X, double Y);

enum class PlaceOutcome {
    OutsideZones, // nothing changed
    Refused,      // a corner or a taken point: the connector is unplaced again
    Accepted,
};
// A connector dragged over the IC window: places connector `index` at the
// point the pointer snaps to. A drag that names no connector is ignored.
PlaceOutcome PlaceConnector(ICDefinition& s, int index, double scale, double X, double Y);

// Whether a connector other than `index` holds (gx, gy); if so, connector
// `index` loses its place.
bool GetDoubleInOut(ICDefinition& s, int index, int gx, int gy);

// The pin of a placed connector from its outline entry; nothing while unplaced.
std::optional<PinPlace> PinFromEntry(const ICDefinition& s, double scale, const QString& graphicEntry);
// Top-left corner of the name label of a pin, inside the outline next to it.
QPointF LabelPlace(const OutlineBox& box, const PinPlace& pin, double scale, double labelWidth);

// The size controls: a step up or down within the limits; a typed value is
// taken when it is within them. True when the size changed.
bool StepICWidth(ICDefinition& s, int delta);
bool StepICHeight(ICDefinition& s, int delta);
bool TypeICWidth(ICDefinition& s, const QString& text);
bool TypeICHeight(ICDefinition& s, const QString& text);
