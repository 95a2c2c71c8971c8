#pragma once
// Where the IC manager window opens and how its controls share its client
// area; pure functions of sizes so that they can be checked without a screen.
#include <QList>
#include <QRect>
#include <QSize>
#include <cstdint>

struct ICManagerFields;

// Twips per screen pixel (1440 twips to the inch at 96 dots per inch).
inline constexpr int kManagerTwipsPerPixel = 15;
// The window's smallest outer size in twips.
inline constexpr int kManagerMinWidthTwips = 3000;
inline constexpr int kManagerMinHeightTwips = 3360;

// A length in twips as 16-bit twips, clamped rather than wrapped round.
int16_t ToStoredTwips(double twips);

// The window's frame in pixels from the stored twips. Without a stored size
// it opens at 1000 twips from the top left with the designed size. A frame
// whose title bar would show on no screen is moved onto the first screen.
QRect RestoreManagerFrame(const ICManagerFields& stored, QSize designed, const QList<QRect>& screens);

// The client area at the first start: as designed, widened until the panel
// (two fifths of the width) holds its status row and the status bar the
// widest IC file path, but no wider than the screen.
QSize FirstStartClientSize(QSize designed, int statusRowWidth, int statusBarWidth, int screenWidth);

// The frame, in pixels, as stored twips (the view is left alone).
void StoreManagerFrame(ICManagerFields& stored, const QRect& frame);

// The controls of the client area in pixels.
struct ManagerLayout {
    QRect list;          // lvwICs
    QRect panel;         // picICVorschau
    QRect tree;          // tvwSchachtelung
    int notesColumnWidth = 0;
};

// client: the area between the window's toolbar and status bar; listTop is
// the list's top within it, as designed.
ManagerLayout LayoutManager(QSize client, int listTop, int firstColumnWidth);
