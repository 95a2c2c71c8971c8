#pragma once
// What the control, clock, zoom and side panels of the main window decide,
// free of widgets: the window reads its controls, calls these and shows the
// results.
#include <QString>
#include <Qt>
#include <array>
#include <cstdint>
#include <optional>

#include "simulation/clock_phase_text.h"

struct ClockSlot;
struct Circuit;

// The clock generator the panel shows: slot `selected` of the circuit's
// clocks, null when there is none.
ClockSlot* SelectedClockSlot(Circuit& c, int selected);

// ---- Cycles of the selected clock generator (txtAnzTakte, cmdAnzTakte) ----
// Each takes the selected slot, null when none is selected.

// One step of the up-down control: only within 1..99. The new text, or
// nothing when the count stays.
std::optional<QString> cmdAnzTakte_UpClick(ClockSlot* clock);
std::optional<QString> cmdAnzTakte_DownClick(ClockSlot* clock);

struct CyclesKeyUp {
    uint8_t cycles = 0;          // the stored count afterwards
    std::optional<QString> text; // the box's new text, when it changes
    int caret = 0;               // caret position in the new text
    bool focusWorksheet = false; // Enter: picGrid takes the focus
};
// After every key in the cycle box; `text` is the box's text.
CyclesKeyUp txtAnzTakte_KeyUp(ClockSlot* clock, const QString& text, bool enterKey);
// Leaving the cycle box: stores 1..100; the corrected text when it changes.
std::optional<QString> txtAnzTakte_LostFocus(ClockSlot* clock, const QString& text);

// ---- Phase sliders (Slider0 low phase, Slider1 high phase, chkLink) ----

struct PhaseSliders {
    int slider0 = 0; // positions afterwards
    int slider1 = 0;
    QString lbl0;
    QString lbl1;
    int timerInterval = 0; // interval the selected generator's timer must have
};
// A scroll of one slider: `linkTicked` is chkLink's state, `timerInterval`
// the selected generator's timer interval now. Writes the slot's Low and High
// (none when `clock` is null).
PhaseSliders Slider0_Scroll(ClockSlot* clock, int slider0, int slider1, bool linkTicked, int timerInterval);
PhaseSliders Slider1_Scroll(ClockSlot* clock, int slider0, int slider1, bool linkTicked, int timerInterval);
// chkLink clicked into `state`; the phases are applied as by Slider1_Scroll.
PhaseSliders chkLink_Click(ClockSlot* clock, Qt::CheckState state, int slider0, int slider1, int timerInterval);

// ---- LED colour buttons (cmdColor 0..8), colours as &HBBGGRR ----

inline constexpr std::array<int32_t, 9> kLedButtonColours = {
    0x0000FF, // red
    0x00FFFF, // yellow
    0x00FF00, // green
    0xFF0000, // blue
    0xFFFF00, // cyan
    0xFF00FF, // magenta
    0x0080FF, // orange
    0x808080, // grey
    0x000000, // black
};
// Button `index` chosen: `ledColour` (the colour new LEDs get) takes its
// colour. False for no such button.
bool cmdColor_MouseDown(int32_t& ledColour, int index);

// ---- Zoom (cmbZoom, tlbZoom, tlbZoomInOut) ----

inline constexpr std::array<int, 11> kZoomBoxPercents = {60, 70, 80, 90, 100, 110, 125, 150, 175, 200, 250};
inline constexpr double kZoomMinPercent = 60;
inline constexpr double kZoomMaxPercent = 250;

// The numeric start of the zoom box's text, held within 60..250.
double ZoomBoxPercent(const QString& text);

enum class ZoomConfirm { Click, Enter };
struct ZoomBoxResult {
    QString text;      // the box's text afterwards
    float factor = 1;  // the factor typed or chosen
    bool apply = false; // set the factor and redraw the worksheet
};
// An entry chosen (Click) or a typed one confirmed with Enter; `current` is
// the factor in force.
ZoomBoxResult ConfirmZoomBox(const QString& text, float current, ZoomConfirm how);
// Leaving the box without confirming: the text of the factor in force.
QString ZoomFactorText(float current);
// The box's text after a fixed fit or a zoom step: the percentage cut, not rounded.
QString ZoomCutText(float factor);
// tlbZoomInOut: "cmdZoomIn" and "cmdZoomOut" step by 0.2 within 0.6..2.5;
// other keys leave the factor.
float ZoomStepped(float factor, const QString& key);

// ---- Close and minimise buttons of the side panels ----

struct PanelButton {
    const char* panel;   // objectName of the panel
    int visibleIndex;    // entry of PanelVisible
    bool minimises;      // false: cmdMin does nothing but re-lay the column
    int minimisedHeight; // twips
    int openHeight;      // twips
    bool carriesSSPanel2; // SSPanel2 hidden while minimised
};
// Indexed by the button index of cmdClose/cmdMin.
inline constexpr std::array<PanelButton, 5> kPanelButtons = {{
    {"picEigenschaften", 1, true, 370, 3255, true},
    {"picSize", 2, true, 370, 750, false},
    {"picIC", 4, true, 420, 2055, false},
    {"picEinAus", 0, false, 0, 0, false},
    {"picZoom", 3, true, 370, 1335, false},
}};

using PanelVisibility = std::array<int16_t, 5>; // the settings' PanelVisible

// cmdMin pressed (minimise) or released (restore): the panel's entry of
// PanelVisible becomes 1 or -1; the panel's new height in twips, or nothing when the
// button changes no panel. ResizeProperties(False) follows either way.
std::optional<int> cmdMin_Click(PanelVisibility& panelVisible, int index, bool pressed);
// cmdClose: the panel's PanelVisible entry becomes 0; returns the check
// marks of the View menu's panel items 0..4, nothing when there is no such
// button. ResizeProperties(False) follows.
std::optional<std::array<bool, 5>> cmdClose_Click(PanelVisibility& panelVisible, int index);
