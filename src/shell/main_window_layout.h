#pragma once
// The main window's layout arithmetic, in twips, free of widgets: the
// window's own layout on every resize and the left panel column.
#include <array>
#include <cstdint>

inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kMinOuterWidth = 5900;
inline constexpr double kMinOuterHeight = 3140;

struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// Outer size raised to the minimum: height first, then width.
void EnforceMinimumSize(double& outerWidth, double& outerHeight);

// Whole cells of cellPx pixels that fit into a length in twips.
int VisibleCells(double lengthTwips, double cellPx, double twipsPerPixel);

// Cells seen along one axis: the picture's length when the container shows
// all of it, else the container's (twips), to the nearest whole cell, a half
// to the even one.
int GetVisibleArea(double pictureLength, double containerLength, double cellPx, double twipsPerPixel);

// Whether a worksheet picture plus three cells fits the container (lengths in twips).
bool WorksheetFits(double pictureLength, double cellPx, double twipsPerPixel, double containerLength);

struct ResizeInput {
    double outerWidth = 0, outerHeight = 0, innerWidth = 0, innerHeight = 0;
    double containerLeft = 0, containerTop = 0;
    double hScrollHeight = 0, vScrollWidth = 0, statusBarHeight = 0;
    double progressBarWidth = 0, closeButtonWidth = 0;
    double pictureWidth = 0, pictureHeight = 0; // twips
    double pictureLeft = 0, pictureTop = 0;     // twips, negative when scrolled
    double cellPx = 14;
    double tpx = kTwipsPerPixel, tpy = kTwipsPerPixel;
    int maxX = 50, maxY = 30;
    int hValue = 0, vValue = 0;
};

struct ScrollBarPlace {
    bool visible = false;
    TwipsRect rect;
    int maximum = 0;
    int value = 0;
};

struct ResizeLayout {
    double progressLeft = 0, progressTop = 0, statusPanel3Width = 0;
    double containerWidth = 0, containerHeight = 0;
    double formelWidth = 0, closeButtonLeft = 0;
    ScrollBarPlace hScroll, vScroll; // rect only meaningful when visible
    double pictureLeft = 0, pictureTop = 0;
    int visibleColumns = 0, visibleRows = 0;
};

// Steps 5 to 10 of the window's resize: places everything from the sizes given.
ResizeLayout LayoutMainWindow(const ResizeInput& in);

// The side-panel column. Panel states: -1 open, 1 title only, 0 hidden.
struct PanelColumnInput {
    std::array<int16_t, 5> state{};
    std::array<bool, 5> visible{};
    std::array<double, 5> top{};
    std::array<double, 5> height{}; // current heights (the layers panel's is recomputed)
    std::array<bool, 5> minPressed{}; // cmdMin of panels 1..4 (index 0 unused)
    bool columnVisible = true;
    TwipsRect column;       // picPropContainer
    TwipsRect container;    // picContainer
    double formelButtonWidth = 0;
    double hScrollHeight = 0;
    double treeTop = 435;
    bool force = false;
    bool quickHelp = false;
    bool powerOn = false;
};

struct PanelColumnLayout {
    bool laidOut = false;           // false: only the panel buttons are set
    std::array<bool, 5> visible{};
    std::array<double, 5> top{};
    std::array<double, 5> height{};
    std::array<bool, 5> minPressed{};
    std::array<bool, 5> collapsed{}; // minimise button pressed by the layout: its handler's collapse applies
    double treeHeight = 0;
    bool columnVisible = true;
    bool moveWorksheet = false;     // container and command line moved: lay the worksheet out again
    double containerLeft = 0, formelButtonLeft = 0, formelBoxLeft = 0;
    double columnHeight = 0;
    std::array<bool, 5> menuChecks{};
    bool setPanelButtons = false;
    std::array<int, 5> panelButtons{};
};

PanelColumnLayout LayoutPanelColumn(const PanelColumnInput& in);

// A position or size in twips stored in 16 bits: rounded and kept in range.
int16_t ClampTwips(double twips);
