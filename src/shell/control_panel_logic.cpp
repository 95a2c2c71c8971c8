#include "shell/control_panel_logic.h"

#include <algorithm>

#include "model/circuit.h"
#include "platform/numeric.h"

ClockSlot* SelectedClockSlot(Circuit& c, int selected)
{
    if (selected < 0 || static_cast<size_t>(selected) >= c.Clocks.size())
        return nullptr;
    return &c.Clocks[static_cast<size_t>(selected)];
}

namespace {

// Rounding alone would store 0 for a value below one half; the count never goes below 1.
uint8_t StoredCycles(double v)
{
    return static_cast<uint8_t>(RoundHalfEven(std::clamp(v, 1.0, 100.0)));
}

std::optional<QString> StepCycles(ClockSlot* clock, int step)
{
    if (!clock)
        return std::nullopt;
    uint8_t* cycles = &clock->ClockCycles;
    if (step < 0 ? *cycles <= 1 : *cycles >= 99)
        return std::nullopt;
    *cycles = static_cast<uint8_t>(*cycles + step);
    return QString::number(*cycles);
}

PhaseSliders ApplyPhases(ClockSlot* clock, int slider0, int slider1, int timerInterval)
{
    PhaseSliders r;
    r.slider0 = std::clamp(slider0, 0, kPhaseSliderMax);
    r.slider1 = std::clamp(slider1, 0, kPhaseSliderMax);
    r.lbl0 = PhaseSliderText(r.slider0);
    r.lbl1 = PhaseSliderText(r.slider1);
    if (clock) {
        clock->ClockHigh = static_cast<int16_t>(kPhaseSliderMax - r.slider1);
        clock->ClockLow = static_cast<int16_t>(kPhaseSliderMax - r.slider0);
    }
    // A running timer keeps its interval: the new phases start at its next change.
    r.timerInterval = timerInterval == 0 ? 1000 : timerInterval;
    return r;
}

} // namespace

// ---- Cycles ----

std::optional<QString> cmdAnzTakte_UpClick(ClockSlot* clock)
{
    return StepCycles(clock, 1);
}

std::optional<QString> cmdAnzTakte_DownClick(ClockSlot* clock)
{
    return StepCycles(clock, -1);
}

CyclesKeyUp txtAnzTakte_KeyUp(ClockSlot* clock, const QString& text, bool enterKey)
{
    CyclesKeyUp r;
    r.focusWorksheet = enterKey;
    if (!clock)
        return r;
    uint8_t* cycles = &clock->ClockCycles;
    QString shown = text;
    const double v = Val(text);
    if (v > 0 && v < 100) {
        *cycles = StoredCycles(v);
    } else if (v >= 100) {
        // A third digit is refused: typing 100 leaves 10.
        shown = text.left(2);
        *cycles = StoredCycles(Val(shown));
        r.text = shown;
        r.caret = static_cast<int>(shown.size());
    } else {
        *cycles = 1;
    }
    const double w = Val(shown);
    if (shown.size() > 2 && w < 100) {
        // Clamped first: a long negative number must not overflow the conversion.
        shown = QString::number(CInt(std::max(w, -32768.0)));
        r.text = shown;
        r.caret = static_cast<int>(shown.size());
    }
    r.cycles = *cycles;
    return r;
}

std::optional<QString> txtAnzTakte_LostFocus(ClockSlot* clock, const QString& text)
{
    if (!clock)
        return std::nullopt;
    uint8_t* cycles = &clock->ClockCycles;
    const double v = Val(text);
    if (v > 100) {
        *cycles = 100;
        return QStringLiteral("100");
    }
    if (v > 0 && RoundHalfEven(v) >= 1) {
        *cycles = StoredCycles(v);
        return std::nullopt;
    }
    *cycles = 1;
    return QStringLiteral("1");
}

// ---- Phase sliders ----

PhaseSliders Slider0_Scroll(ClockSlot* clock, int slider0, int slider1, bool linkTicked, int timerInterval)
{
    if (linkTicked)
        slider1 = slider0;
    return ApplyPhases(clock, slider0, slider1, timerInterval);
}

PhaseSliders Slider1_Scroll(ClockSlot* clock, int slider0, int slider1, bool linkTicked, int timerInterval)
{
    if (linkTicked)
        slider0 = slider1;
    return ApplyPhases(clock, slider0, slider1, timerInterval);
}

PhaseSliders chkLink_Click(ClockSlot* clock, Qt::CheckState state, int slider0, int slider1, int timerInterval)
{
    const bool checked = state == Qt::Checked;
    if (checked)
        slider0 = slider1;
    if (state != Qt::PartiallyChecked && clock)
        clock->ClockLinked = VbBool(checked);
    if (timerInterval == 0)
        timerInterval = 10;
    return Slider1_Scroll(clock, slider0, slider1, checked, timerInterval);
}

// ---- LED colours ----

bool cmdColor_MouseDown(int32_t& ledColour, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= kLedButtonColours.size())
        return false;
    ledColour = kLedButtonColours[static_cast<size_t>(index)];
    return true;
}

// ---- Zoom ----

double ZoomBoxPercent(const QString& text)
{
    return std::clamp(Val(text), kZoomMinPercent, kZoomMaxPercent);
}

ZoomBoxResult ConfirmZoomBox(const QString& text, float current, ZoomConfirm how)
{
    ZoomBoxResult r;
    const double z = ZoomBoxPercent(text);
    r.text = QString::number(z, 'g', 15) + u'%';
    r.factor = static_cast<float>(z / 100);
    if (how == ZoomConfirm::Click) {
        // Compared as the factor is stored, so the entry in force redraws nothing.
        r.apply = r.factor != current;
    } else {
        // The single-precision product keeps 0.7 at 70, not 69.
        const float percent = current * 100.0f;
        r.apply = z / 100 != Int(percent) / 100;
    }
    return r;
}

QString ZoomFactorText(float current)
{
    return QString::number(static_cast<double>(current * 100.0f), 'g', 7) + u'%';
}

QString ZoomCutText(float factor)
{
    return QString::number(static_cast<long long>(Int(static_cast<double>(factor) * 100))) + u'%';
}

float ZoomStepped(float factor, const QString& key)
{
    double z = factor;
    if (key == QLatin1String("cmdZoomIn")) {
        z += 0.2;
        if (z > 2.5)
            z = 2.5;
    } else if (key == QLatin1String("cmdZoomOut")) {
        z -= 0.2;
        if (z < 0.6)
            z = 0.6;
    }
    return static_cast<float>(z);
}

// ---- Side panels ----

std::optional<int> cmdMin_Click(PanelVisibility& panelVisible, int index, bool pressed)
{
    if (index < 0 || static_cast<size_t>(index) >= kPanelButtons.size())
        return std::nullopt;
    const PanelButton& b = kPanelButtons[static_cast<size_t>(index)];
    if (!b.minimises)
        return std::nullopt;
    panelVisible[static_cast<size_t>(b.visibleIndex)] = pressed ? 1 : -1;
    return pressed ? b.minimisedHeight : b.openHeight;
}

std::optional<std::array<bool, 5>> cmdClose_Click(PanelVisibility& panelVisible, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= kPanelButtons.size())
        return std::nullopt;
    panelVisible[static_cast<size_t>(kPanelButtons[static_cast<size_t>(index)].visibleIndex)] = 0;
    std::array<bool, 5> checks{};
    for (size_t i = 0; i < checks.size(); ++i)
        checks[i] = panelVisible[i] != 0;
    return checks;
}
