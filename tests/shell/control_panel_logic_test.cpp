#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "model/state.h"
#include "shell/control_panel_logic.h"
#include "shell/delay_setting.h"

namespace {

ClockSlot Clock()
{
    return {.ClockHigh = 500, .ClockLow = 500, .ClockLinked = kFalse, .ClockCycles = 1};
}

// nullptr: no text expected.
std::optional<QString> Text(const char* t)
{
    return t ? std::optional<QString>(QString::fromLatin1(t)) : std::nullopt;
}

} // namespace

TEST(ClockCycles, UpDownStaysWithinOneToNinetyNine)
{
    struct Case { uint8_t start; bool up; uint8_t after; const char* text; };
    const Case cases[] = {{1, false, 1, nullptr}, {2, false, 1, "1"},    {98, true, 99, "99"}, {99, true, 99, nullptr},
                          {100, true, 100, nullptr}, {100, false, 99, "99"}, {41, true, 42, "42"}};
    for (const Case& c : cases) {
        ClockSlot clock = Clock();
        clock.ClockCycles = c.start;
        EXPECT_EQ(c.up ? cmdAnzTakte_UpClick(&clock) : cmdAnzTakte_DownClick(&clock), Text(c.text)) << c.start << c.up;
        EXPECT_EQ(clock.ClockCycles, c.after) << c.start << c.up;
    }
}

TEST(ClockCycles, KeyUpStoresAndCorrectsTheTypedCount)
{
    struct Case { const char* typed; uint8_t stored; const char* text; int caret; };
    const Case cases[] = {
        {"5", 5, nullptr, 0}, {"15", 15, nullptr, 0}, {"150", 15, "15", 2}, {"100", 10, "10", 2},
        {"99999999999", 99, "99", 2}, {"0", 1, nullptr, 0}, {"", 1, nullptr, 0}, {"-5", 1, nullptr, 0},
        {"007", 7, "7", 1}, {" 42", 42, "42", 2}, {"2.5", 2, "2", 1}, {"5.5", 6, "6", 1}, {"99.7", 100, "100", 3},
        {"abc", 1, "0", 1}, {"-50", 1, "-50", 3},
        // Never below 1, even where rounding alone would give 0.
        {"0.3", 1, "0", 1}, {".5e3", 1, ".5", 2},
        // Far beyond 16 bits: no overflow.
        {"-99999999999", 1, "-32768", 6},
    };
    for (const Case& c : cases) {
        ClockSlot clock = Clock();
        const CyclesKeyUp r = txtAnzTakte_KeyUp(&clock, QString::fromLatin1(c.typed), false);
        EXPECT_EQ(clock.ClockCycles, c.stored) << c.typed;
        EXPECT_EQ(r.cycles, c.stored) << c.typed;
        EXPECT_EQ(r.text, Text(c.text)) << c.typed;
        EXPECT_EQ(r.text ? r.caret : 0, c.caret) << c.typed;
        EXPECT_FALSE(r.focusWorksheet) << c.typed;
    }
    ClockSlot clock = Clock();
    EXPECT_TRUE(txtAnzTakte_KeyUp(&clock, QStringLiteral("12"), true).focusWorksheet);
}

TEST(ClockCycles, LeavingTheBoxStoresOneToHundred)
{
    struct Case { const char* typed; uint8_t stored; const char* text; };
    const Case cases[] = {{"42", 42, nullptr},   {"100", 100, nullptr}, {"2.5", 2, nullptr},
                          {"0.6", 1, nullptr},   {"101", 100, "100"},   {"99999999999", 100, "100"},
                          {"0", 1, "1"},         {"-3", 1, "1"},        {"abc", 1, "1"},
                          {"", 1, "1"},          {"0.3", 1, "1"},       {"0.5", 1, "1"}};
    for (const Case& c : cases) {
        ClockSlot clock = Clock();
        clock.ClockCycles = 50;
        EXPECT_EQ(txtAnzTakte_LostFocus(&clock, QString::fromLatin1(c.typed)), Text(c.text)) << c.typed;
        EXPECT_EQ(clock.ClockCycles, c.stored) << c.typed;
    }
}

TEST(ClockCycles, ASelectedSlotOutsideTheTablesIsNone)
{
    Circuit c;
    c.Clocks.assign(2, Clock());
    EXPECT_EQ(SelectedClockSlot(c, 1), &c.Clocks[1]);
    for (int slot : {2, -1}) {
        ClockSlot* none = SelectedClockSlot(c, slot);
        EXPECT_EQ(none, nullptr) << slot;
        EXPECT_FALSE(cmdAnzTakte_UpClick(none));
        EXPECT_FALSE(cmdAnzTakte_DownClick(none));
        EXPECT_FALSE(txtAnzTakte_KeyUp(none, QStringLiteral("150"), false).text);
        EXPECT_FALSE(txtAnzTakte_LostFocus(none, QStringLiteral("0")));
        EXPECT_EQ(Slider0_Scroll(none, 100, 200, false, 5).lbl0, QStringLiteral("9.9s"));
        EXPECT_EQ(chkLink_Click(none, Qt::Checked, 1, 2, 0).slider0, 2);
    }
}

TEST(PhaseSliders, LabelCutsTheDurationToTenthsOfASecond)
{
    const std::pair<int, const char*> cases[] = {
        {10000, "0.0s"}, {9999, "0.0s"}, {9500, "0.5s"}, {9001, "0.9s"}, {9000, "1s"}, {8999, "1s"},
        {8900, "1.1s"}, {4500, "5.5s"}, {4501, "5.4s"}, {1, "9.9s"}, {0, "10s"},
    };
    for (const auto& [position, text] : cases)
        EXPECT_EQ(PhaseSliderText(position), QString::fromLatin1(text)) << position;
}

TEST(PhaseSliders, ScrollWritesThePhasesOfTheSelectedGenerator)
{
    struct Case { bool slider1Moved, linked; int low, high, interval; int pos0, pos1, intervalAfter; };
    const Case cases[] = {
        {false, false, 3000, 8000, 250, 3000, 8000, 250}, {true, false, 3000, 8000, 250, 3000, 8000, 250},
        {false, true, 3000, 8000, 250, 3000, 3000, 250},  {true, true, 3000, 8000, 250, 8000, 8000, 250},
        // A timer without interval gets one second; a zero-length phase is allowed.
        {false, false, 0, 0, 0, 0, 0, 1000},              {true, true, 0, 10000, 0, 10000, 10000, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "slider1 moved " << c.slider1Moved << ", linked " << c.linked
                                        << ", " << c.low << "/" << c.high);
        ClockSlot clock = Clock();
        const PhaseSliders r = c.slider1Moved ? Slider1_Scroll(&clock, c.low, c.high, c.linked, c.interval)
                                              : Slider0_Scroll(&clock, c.low, c.high, c.linked, c.interval);
        EXPECT_EQ(r.slider0, c.pos0);
        EXPECT_EQ(r.slider1, c.pos1);
        EXPECT_EQ(clock.ClockLow, 10000 - c.pos0);
        EXPECT_EQ(clock.ClockHigh, 10000 - c.pos1);
        EXPECT_EQ(r.lbl0, PhaseSliderText(c.pos0));
        EXPECT_EQ(r.lbl1, PhaseSliderText(c.pos1));
        EXPECT_EQ(r.timerInterval, c.intervalAfter);
    }
}

TEST(PhaseSliders, LinkCopiesTheHighPhaseSliderIntoTheLowOne)
{
    struct Case { Qt::CheckState state; int16_t linkedBefore, linkedAfter; int pos0; };
    const Case cases[] = {{Qt::Checked, kFalse, kTrue, 8000},
                          {Qt::Unchecked, kTrue, kFalse, 3000},
                          {Qt::PartiallyChecked, kTrue, kTrue, 3000},
                          {Qt::PartiallyChecked, kFalse, kFalse, 3000}};
    for (const Case& c : cases) {
        ClockSlot clock = Clock();
        clock.ClockLinked = c.linkedBefore;
        const PhaseSliders r = chkLink_Click(&clock, c.state, 3000, 8000, 0);
        EXPECT_EQ(clock.ClockLinked, c.linkedAfter) << c.state;
        EXPECT_EQ(r.slider0, c.pos0) << c.state;
        EXPECT_EQ(r.slider1, 8000) << c.state;
        EXPECT_EQ(clock.ClockLow, 10000 - c.pos0) << c.state;
        EXPECT_EQ(clock.ClockHigh, 2000) << c.state;
        // The link repairs a missing interval with 10 ms, before the scroll could.
        EXPECT_EQ(r.timerInterval, 10) << c.state;
    }
    ClockSlot clock = Clock();
    EXPECT_EQ(chkLink_Click(&clock, Qt::Checked, 0, 0, 300).timerInterval, 300);
}

// Every button's colour is pressed in ControlPanel.LedColourButtonsChooseTheNextLedsColour.
TEST(LedColours, TheDefaultIsTheFirstButtonsAndNoOtherButtonChangesIt)
{
    ProgramState s;
    EXPECT_EQ(s.LEDColor, kLedButtonColours[0]) << "the default is the first button's red";
    for (int bad : {-1, 9})
        EXPECT_FALSE(cmdColor_MouseDown(s.LEDColor, bad));
    EXPECT_EQ(s.LEDColor, kLedButtonColours[0]);
}

// The step buttons, the texts "Off" and "ms" and the slider's caption are
// driven through the window (ControlPanel.DelayBoxAndItsStepButtons,
// ControlPanel.DecoderClockInputAndDelaySliderFollowTheirControls).
TEST(DelaySetting, TheBoxTextIsAppliedWithinZeroToHundred)
{
    struct Case { const char* typed; int16_t delay; const char* shown; };
    const Case cases[] = {
        {"250", 100, "100ms"}, {"100", 100, "100ms"}, {"-5", 0, "Off"}, {"0.4", 0, "Off"},
        {"0.5", 0, "Off"}, // halves to the even neighbour
        {"0.6", 1, "1ms"}, {"2.5", 2, "2ms"}, {"3.5", 4, "4ms"}, {"Off", 0, "Off"}, {"", 0, "Off"},
        {"42ms", 42, "42ms"}, {" 7", 7, "7ms"},
        // Far beyond 16 bits either way: clamped, no overflow.
        {"99999999999", 100, "100ms"}, {"-99999999999", 0, "Off"}, {"1e300", 100, "100ms"},
    };
    for (const Case& c : cases) {
        int16_t delay = 55;
        EXPECT_EQ(ApplyDelayText(delay, QString::fromLatin1(c.typed)), QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(delay, c.delay) << c.typed;
    }
}

TEST(Zoom, BoxTextIsHeldWithinSixtyToTwoHundredFifty)
{
    struct Case { const char* typed; const char* shown; float factor; };
    const Case cases[] = {{"30", "60%", 0.6f},    {"400", "250%", 2.5f},  {"abc", "60%", 0.6f},
                          {"", "60%", 0.6f},      {"150%", "150%", 1.5f}, {"125.5", "125.5%", 1.255f},
                          {"-200", "60%", 0.6f},  {" 80 %", "80%", 0.8f}, {"99999999999", "250%", 2.5f}};
    for (const Case& c : cases) {
        const ZoomBoxResult r = ConfirmZoomBox(QString::fromLatin1(c.typed), 1.0f, ZoomConfirm::Enter);
        EXPECT_EQ(r.text, QString::fromLatin1(c.shown)) << c.typed;
        EXPECT_EQ(r.factor, c.factor) << c.typed;
        EXPECT_TRUE(r.apply) << c.typed;
    }
}

TEST(Zoom, TheEntryInForceRedrawsNothing)
{
    for (int percent : kZoomBoxPercents) {
        const QString text = QString::number(percent) + u'%';
        const float inForce = static_cast<float>(percent / 100.0);
        for (ZoomConfirm how : {ZoomConfirm::Click, ZoomConfirm::Enter}) {
            const ZoomBoxResult r = ConfirmZoomBox(text, inForce, how);
            EXPECT_FALSE(r.apply) << percent;
            EXPECT_EQ(r.text, text);
        }
        EXPECT_TRUE(ConfirmZoomBox(text, inForce + 0.1f, ZoomConfirm::Click).apply) << percent;
    }
    // A fit left 123.4 %: Enter on the shown 123 % keeps it, choosing 123 % sets it.
    EXPECT_FALSE(ConfirmZoomBox(QStringLiteral("123%"), 1.234f, ZoomConfirm::Enter).apply);
    EXPECT_TRUE(ConfirmZoomBox(QStringLiteral("123%"), 1.234f, ZoomConfirm::Click).apply);
    EXPECT_TRUE(ConfirmZoomBox(QStringLiteral("124%"), 1.234f, ZoomConfirm::Enter).apply);
}

TEST(Zoom, LeavingTheBoxShowsTheFactorInForce)
{
    const std::pair<float, const char*> cases[] = {{1.0f, "100%"},  {1.1f, "110%"},     {0.7f, "70%"},
                                                   {1.25f, "125%"}, {1.234f, "123.4%"}, {2.5f, "250%"}};
    for (const auto& [factor, text] : cases)
        EXPECT_EQ(ZoomFactorText(factor), QString::fromLatin1(text)) << factor;
}

TEST(Zoom, StepsShowTheCutPercentOfTheStoredFactor)
{
    // The full runs in and out from 100 % are clicked in ControlPanel.ZoomButtonsAndZoomBox.
    struct Case { float start; const char* key; std::vector<int> shown; };
    const Case cases[] = {
        {1.0f, "cmdZoomOut", {80, 60, 60}},
        {1.0f, "cmdZoom100", {100, 100}},
    };
    for (const Case& c : cases) {
        float z = c.start;
        std::vector<int> shown;
        for (size_t i = 0; i < c.shown.size(); ++i) {
            z = ZoomStepped(z, QString::fromLatin1(c.key));
            const QString text = ZoomCutText(z);
            EXPECT_TRUE(text.endsWith(u'%')) << text.toStdString();
            shown.push_back(text.chopped(1).toInt());
        }
        EXPECT_EQ(shown, c.shown) << c.key << " from " << c.start;
    }
}

TEST(SidePanels, MinimiseAndRestoreSetStateAndHeight)
{
    struct Case { int button; size_t entry; int minimised, open; };
    const Case cases[] = {{0, 1, 370, 3255}, {1, 2, 370, 750}, {2, 4, 420, 2055}, {4, 3, 370, 1335}};
    for (const Case& c : cases) {
        PanelVisibility visible = {-1, -1, -1, -1, -1};
        auto expected = visible;
        EXPECT_EQ(cmdMin_Click(visible, c.button, true), c.minimised) << c.button;
        expected[c.entry] = 1;
        EXPECT_EQ(visible, expected) << c.button;
        EXPECT_EQ(cmdMin_Click(visible, c.button, false), c.open) << c.button;
        expected[c.entry] = -1;
        EXPECT_EQ(visible, expected) << c.button;
    }
    // The control panel's button and unknown buttons change no panel.
    PanelVisibility visible = {-1, 1, 0, -1, 1};
    const auto before = visible;
    for (int button : {3, -1, 5}) {
        EXPECT_FALSE(cmdMin_Click(visible, button, true)) << button;
        EXPECT_FALSE(cmdMin_Click(visible, button, false)) << button;
    }
    EXPECT_FALSE(cmdClose_Click(visible, 5));
    EXPECT_FALSE(cmdClose_Click(visible, -1));
    EXPECT_EQ(visible, before);
}

TEST(SidePanels, CloseHidesOnlyItsPanelAndReportsTheMenuChecks)
{
    struct Case { int button; std::array<int16_t, 5> after; std::array<bool, 5> checks; };
    // Start: control open, properties minimised, size hidden, zoom open, layers minimised.
    const Case cases[] = {
        {4, {-1, 1, 0, 0, 1}, {true, true, false, false, true}},
        {3, {0, 1, 0, -1, 1}, {false, true, false, true, true}},
        {0, {-1, 0, 0, -1, 1}, {true, false, false, true, true}},
        {2, {-1, 1, 0, -1, 0}, {true, true, false, true, false}},
    };
    for (const Case& c : cases) {
        PanelVisibility visible = {-1, 1, 0, -1, 1};
        EXPECT_EQ(cmdClose_Click(visible, c.button), c.checks) << c.button;
        EXPECT_EQ(visible, c.after) << c.button;
    }
}
