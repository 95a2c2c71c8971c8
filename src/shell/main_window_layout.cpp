#include "shell/main_window_layout.h"

#include <algorithm>
#include <cmath>

#include "model/geometry.h"
#include "platform/numeric.h"
#include "shell/control_panel_logic.h"

void EnforceMinimumSize(double& outerWidth, double& outerHeight)
{
    if (outerHeight < kMinOuterHeight)
        outerHeight = kMinOuterHeight;
    if (outerWidth < kMinOuterWidth)
        outerWidth = kMinOuterWidth;
}

int VisibleCells(double lengthTwips, double cellPx, double twipsPerPixel)
{
    const double cell = cellPx * twipsPerPixel;
    if (cell <= 0 || lengthTwips <= 0)
        return 0;
    return static_cast<int>(std::floor(lengthTwips / cell));
}

int GetVisibleArea(double pictureLength, double containerLength, double cellPx, double twipsPerPixel)
{
    const double cell = cellPx * twipsPerPixel;
    if (!(cell > 0))
        return 0;
    const double seen = pictureLength <= containerLength ? pictureLength : containerLength;
    return static_cast<int>(RoundHalfEven(std::max(0.0, seen) / cell));
}

bool WorksheetFits(double pictureLength, double cellPx, double twipsPerPixel, double containerLength)
{
    // Single precision, as the fit test has always been computed.
    return static_cast<float>(pictureLength) +
               static_cast<float>(kScrollReserveCells) * static_cast<float>(cellPx * twipsPerPixel)
           <= static_cast<float>(containerLength);
}

ResizeLayout LayoutMainWindow(const ResizeInput& in)
{
    ResizeLayout out;
    out.progressLeft = in.outerWidth - 2800;
    out.progressTop = in.outerHeight - 970;
    out.statusPanel3Width = in.progressBarWidth + 20;
    out.containerWidth = in.innerWidth - in.vScrollWidth - in.containerLeft;
    out.containerHeight = in.innerHeight - in.hScrollHeight - in.containerTop - in.statusBarHeight - 60;
    out.formelWidth = out.containerWidth - 520;
    out.closeButtonLeft = in.outerWidth - in.closeButtonWidth - 130;
    out.visibleColumns = VisibleCells(out.containerWidth, in.cellPx, in.tpx);
    out.visibleRows = VisibleCells(out.containerHeight, in.cellPx, in.tpy);

    out.pictureLeft = in.pictureLeft;
    if (WorksheetFits(in.pictureWidth, in.cellPx, in.tpx, out.containerWidth)) {
        out.hScroll.visible = false;
        out.hScroll.value = 0;
        out.pictureLeft = std::max(0.0, in.pictureLeft);
    } else {
        out.hScroll.visible = true;
        out.hScroll.rect = {in.containerLeft, in.innerHeight - in.hScrollHeight - in.statusBarHeight - 60,
                            in.innerWidth - in.vScrollWidth - in.containerLeft, in.hScrollHeight};
        out.hScroll.maximum = std::max(0, in.maxX - out.visibleColumns + kScrollReserveCells);
        out.hScroll.value = std::min(in.hValue, out.hScroll.maximum);
        out.pictureLeft = std::floor(-out.hScroll.value * in.cellPx) * in.tpx;
    }
    out.pictureTop = in.pictureTop;
    if (WorksheetFits(in.pictureHeight, in.cellPx, in.tpy, out.containerHeight)) {
        out.vScroll.visible = false;
        out.vScroll.value = 0;
        out.pictureTop = std::max(0.0, in.pictureTop);
    } else {
        out.vScroll.visible = true;
        out.vScroll.rect = {in.innerWidth - in.vScrollWidth, in.containerTop, in.vScrollWidth,
                            in.innerHeight - in.hScrollHeight - in.containerTop - in.statusBarHeight - 60};
        out.vScroll.maximum = std::max(0, in.maxY - out.visibleRows + kScrollReserveCells);
        out.vScroll.value = std::min(in.vValue, out.vScroll.maximum);
        out.pictureTop = std::floor(-out.vScroll.value * in.cellPx) * in.tpy;
    }
    return out;
}

namespace {

// Pressing a minimise button runs its handler, which collapses the panel to
// its title bar; a panel stored as title-only must not keep its open height.
void PressMinimise(const PanelColumnInput& in, PanelColumnLayout& out, int panel)
{
    const auto i = static_cast<size_t>(panel);
    if (in.minPressed[i])
        return;
    out.minPressed[i] = true;
    out.collapsed[i] = true;
    for (const PanelButton& b : kPanelButtons)
        if (b.visibleIndex == panel && b.minimises)
            out.height[i] = b.minimisedHeight;
}

// Stacks the open panels from the top of the column; returns the top below the last.
double StackPanels(const PanelColumnInput& in, PanelColumnLayout& out)
{
    double top = 30;
    auto next = [](double height, double t) { return RoundHalfEven(height + t + 50); };
    // Control panel: title-only keeps its place and visibility.
    if (in.state[0] == -1) {
        out.visible[0] = true;
        out.top[0] = 30;
        top = next(out.height[0], out.top[0]);
    } else if (in.state[0] == 1) {
        top = next(out.height[0], out.top[0]);
    } else {
        out.visible[0] = false;
    }
    for (int i = 1; i <= 3; ++i) {
        if (i == 2 && in.powerOn)
            continue; // the mode switch owns the worksheet panel while the power is on
        const int16_t st = in.state[static_cast<size_t>(i)];
        if (st == -1 || st == 1) {
            if (st == 1)
                PressMinimise(in, out, i);
            out.visible[static_cast<size_t>(i)] = true;
            out.top[static_cast<size_t>(i)] = top;
            top = next(out.height[static_cast<size_t>(i)], top);
        } else {
            out.visible[static_cast<size_t>(i)] = false;
        }
    }
    if (in.state[4] == 1) {
        PressMinimise(in, out, 4);
        out.visible[4] = true;
        out.top[4] = top;
        out.height[4] = 420;
        top = next(420, top);
    } else if (in.state[4] == -1) {
        out.visible[4] = true;
        out.top[4] = top;
        const double room = in.container.top + in.container.height - in.column.top - top;
        out.height[4] = room > 0 ? room + in.hScrollHeight : 0;
        top = next(out.height[4], top);
    } else {
        out.visible[4] = false;
    }
    return top;
}

// The column shows when a panel is open; the worksheet and the command line move beside it.
void PlaceColumn(const PanelColumnInput& in, PanelColumnLayout& out, double top)
{
    if (top != 30) {
        out.columnVisible = true;
        if (in.column.width > in.container.left) {
            out.containerLeft = in.column.width + 60;
            out.formelButtonLeft = in.column.width + 60;
            out.formelBoxLeft = out.formelButtonLeft + in.formelButtonWidth + 60;
            out.moveWorksheet = true;
        }
    } else {
        out.columnVisible = false;
        out.containerLeft = 30;
        out.formelButtonLeft = 30;
        out.formelBoxLeft = in.formelButtonWidth + 60;
        out.moveWorksheet = true;
    }
    out.columnHeight = in.container.top + in.container.height - in.column.top + in.hScrollHeight;
}

} // namespace

PanelColumnLayout LayoutPanelColumn(const PanelColumnInput& in)
{
    PanelColumnLayout out;
    out.visible = in.visible;
    out.top = in.top;
    out.height = in.height;
    out.minPressed = in.minPressed;
    out.columnVisible = in.columnVisible;
    out.containerLeft = in.container.left;
    out.columnHeight = in.column.height;
    out.treeHeight = std::max(0.0, in.height[4] - in.treeTop - 60);

    if (!(in.force == false && in.quickHelp)) {
        out.laidOut = true;
        const double top = StackPanels(in, out);
        out.treeHeight = std::max(0.0, out.height[4] - in.treeTop - 60);

        PlaceColumn(in, out, top);
        for (size_t i = 0; i < 5; ++i)
            out.menuChecks[i] = in.state[i] != 0;
    }
    if (!(in.force && in.quickHelp)) {
        out.setPanelButtons = true;
        for (size_t i = 0; i < 5; ++i)
            out.panelButtons[i] = std::abs(in.state[i]);
    }
    return out;
}

int16_t ClampTwips(double twips)
{
    if (!std::isfinite(twips))
        return 0;
    return static_cast<int16_t>(std::clamp(RoundHalfEven(twips), -32768.0, 32767.0));
}
