#pragma once
// The side-panel column as designed, in twips, and the conversions that place
// its controls in pixels.
#include "shell/main_window_layout.h"

constexpr int Px(double twips)
{
    return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
constexpr double Tw(int px)
{
    return px * double(kTwipsPerPixel);
}

inline constexpr double kColumnLeft = 45, kColumnTop = 30, kColumnWidth = 2085;
inline constexpr double kPanelWidth = 2055;
// By PanelVisible index: control, properties, worksheet, scale, layers.
inline constexpr double kPanelHeights[5] = {735, 3255, 750, 1350, 2055};
inline constexpr double kTreeLeft = 60, kTreeTop = 435, kTreeWidth = 1905;
inline constexpr int kTitleHeight = 19; // pixels
// The width inside a panel's pages.
inline constexpr int kPageWidth = Px(kPanelWidth) - 8;
